#pragma once

// Dialog templates as data: each control with its id, kind, text, rectangle in dialog units and style.
// Dialog units are converted to pixels from the dialog font's average character size, as the Windows
// dialog manager does, so the layout follows the font. Every control carries its id as its object name
// (QString::number(id)) so tests find it with findChild.

#include <QFont>
#include <QHash>
#include <QRect>
#include <QString>
#include <functional>
#include <span>

class QWidget;

namespace tarnix
{

enum class ControlKind
{
    Static,  // text
    Picture, // a picture (QLabel showing a pixmap); the template size is a placeholder
    Edit,
    Button,
    DefaultButton,
    CheckBox,
    Radio, // the radio buttons of one page form one group
    ListBox,
    ComboBox,
    ListView,
    Frame, // etched frame or line
    GroupBox,
    Custom, // created by the page's factory (colour pickers, links)
};

enum ControlStyle : unsigned
{
    StyleNone = 0,
    StyleReadOnly = 1u << 0,
    StyleCentre = 1u << 1,
    StyleHidden = 1u << 2,
    StyleSunken = 1u << 3,
    StyleSorted = 1u << 4,
    StyleMultiSelect = 1u << 5,
    StyleRight = 1u << 6,
};

struct ControlSpec
{
    int id; // -1 for controls nobody addresses
    ControlKind kind;
    const char* text; // marked for translation in the context of the window's class (QT_TRANSLATE_NOOP)
    int x, y, w, h;   // dialog units
    unsigned style = StyleNone;
};

// Dialog-unit base of a font (a dialog's own, which it inherits from the desktop's, Qt's application
// font, so that a larger desktop font makes a larger dialog): average character width and height, in pixels. A
// template whose texts are wider (or taller) in this font than in the one it was drawn for stretches its units by
// a few per mille.
struct DialogBase
{
    int cx = 6;
    int cy = 13;
    int stretchX = 1000; // per mille
    int stretchY = 1000;
};

DialogBase DialogBaseOf(const QFont& font);
QRect DialogToPixels(const DialogBase& base, int x, int y, int w, int h);

using CustomFactory = std::function<QWidget*(const ControlSpec& spec, QWidget* parent)>;

// Creates the controls of `specs` on `parent` in order (their tab order) and places them. Returns them by
// id. Controls with id -1 are named "static<N>" after their position in the table. When a text does not
// fit its control in `base`, the units are stretched until every text fits; `base` is then the stretched
// base, the one to size the dialog with.
QHash<int, QWidget*> BuildControls(QWidget* parent, std::span<const ControlSpec> specs, DialogBase& base,
                                   const CustomFactory& factory = {});

// The base `parent`'s template was laid out with by BuildControls.
DialogBase TemplateBaseOf(const QWidget* parent);

// The pixel size of a template of w x h dialog units.
QSize DialogSize(const DialogBase& base, int w, int h);

} // namespace tarnix
