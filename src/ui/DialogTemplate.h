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
    const char* text;
    int x, y, w, h; // dialog units
    unsigned style = StyleNone;
};

// Dialog-unit base of a font: average character width and height, in pixels.
struct DialogBase
{
    int cx = 6;
    int cy = 13;
};

DialogBase DialogBaseOf(const QFont& font);
QRect DialogToPixels(const DialogBase& base, int x, int y, int w, int h);

// The font the templates ask for ("MS Sans Serif" 8), or the closest sans-serif face the desktop has.
QFont DialogFont();

using CustomFactory = std::function<QWidget*(const ControlSpec& spec, QWidget* parent)>;

// Creates the controls of `specs` on `parent` in order (their tab order) and places them. Returns them by
// id. Controls with id -1 are named "static<N>" after their position in the table.
QHash<int, QWidget*> BuildControls(QWidget* parent, std::span<const ControlSpec> specs, const DialogBase& base,
                                   const CustomFactory& factory = {});

// The pixel size of a template of w x h dialog units.
QSize DialogSize(const DialogBase& base, int w, int h);

} // namespace tarnix
