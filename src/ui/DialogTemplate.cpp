#include "ui/DialogTemplate.h"

#include "ui/TextFit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

namespace tarnix
{

DialogBase DialogBaseOf(const QFont& font)
{
    QFontMetrics metrics(font);
    // Windows averages the 52 letters and rounds: (width / 26 + 1) / 2.
    const int letters =
        metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    DialogBase base;
    base.cx = std::max(1, (letters / 26 + 1) / 2);
    base.cy = std::max(1, metrics.height());
    return base;
}

QRect DialogToPixels(const DialogBase& base, int x, int y, int w, int h)
{
    // Windows rounds v * cx / 4 and v * cy / 8 to the nearest pixel; the stretch is folded in first.
    auto px = [&](int v) { return int((qint64(v) * base.cx * base.stretchX + 2000) / 4000); };
    auto py = [&](int v) { return int((qint64(v) * base.cy * base.stretchY + 4000) / 8000); };
    return QRect(px(x), py(y), px(x + w) - px(x), py(y + h) - py(y));
}

QSize DialogSize(const DialogBase& base, int w, int h)
{
    return DialogToPixels(base, 0, 0, w, h).size();
}

namespace
{

const char* const kStretchXProperty = "tarnixDialogStretchX";
const char* const kStretchYProperty = "tarnixDialogStretchY";

void PlaceControls(std::span<const ControlSpec> specs, std::span<QWidget* const> widgets, const DialogBase& base)
{
    for (std::size_t i = 0; i < specs.size(); ++i)
    {
        const ControlSpec& spec = specs[i];
        widgets[i]->setGeometry(DialogToPixels(base, spec.x, spec.y, spec.w, spec.h));
    }
}

// The stretch (per mille) that gives a cut text the room it lacks, `span` being the control's side.
int StretchFor(const CutText& cut)
{
    const qint64 wanted = qint64(cut.needed) + cut.controlSpan - cut.available;
    return int((wanted * 1000 + cut.controlSpan - 1) / cut.controlSpan);
}

// Templates were drawn for one font; another font's letters can be wider or taller in proportion to its
// average letter. The units then grow (all of them, so the layout keeps its proportions) until each
// text fits its control. A few rounds settle it: a stretch that fits one text rarely cuts another.
void StretchUntilTextsFit(QWidget* parent, std::span<const ControlSpec> specs, std::span<QWidget* const> widgets,
                          DialogBase& base)
{
    constexpr int kRounds = 6;
    for (int round = 0; round < kRounds; ++round)
    {
        int stretchX = 1000;
        int stretchY = 1000;
        for (const CutText& cut : FindCutTexts(parent))
        {
            if (cut.controlSpan <= 0)
            {
                continue; // not a text of a template control
            }
            (cut.vertical ? stretchY : stretchX) = std::max(cut.vertical ? stretchY : stretchX, StretchFor(cut));
        }
        if (stretchX == 1000 && stretchY == 1000)
        {
            return;
        }
        base.stretchX = int(qint64(base.stretchX) * stretchX / 1000) + (stretchX > 1000 ? 1 : 0);
        base.stretchY = int(qint64(base.stretchY) * stretchY / 1000) + (stretchY > 1000 ? 1 : 0);
        PlaceControls(specs, widgets, base);
    }
}

} // namespace

DialogBase TemplateBaseOf(const QWidget* parent)
{
    DialogBase base = DialogBaseOf(parent->font());
    base.stretchX = parent->property(kStretchXProperty).toInt();
    base.stretchY = parent->property(kStretchYProperty).toInt();
    return base;
}

QHash<int, QWidget*> BuildControls(QWidget* parent, std::span<const ControlSpec> specs, DialogBase& base,
                                   const CustomFactory& factory)
{
    QHash<int, QWidget*> controls;
    QList<QWidget*> widgets;
    int position = 0;
    for (const ControlSpec& spec : specs)
    {
        // Template texts are translated in the context of the window they belong to (its class name), where
        // their tables mark them.
        const QString text = spec.text && *spec.text
                                 ? QCoreApplication::translate(parent->metaObject()->className(), spec.text)
                                 : QString();
        QWidget* widget = nullptr;
        switch (spec.kind)
        {
        case ControlKind::Static:
        {
            auto* label = new QLabel(text, parent);
            label->setAlignment((spec.style & StyleCentre) ? Qt::AlignHCenter | Qt::AlignTop
                                                           : Qt::AlignLeft | Qt::AlignTop);
            widget = label;
            break;
        }
        case ControlKind::Picture:
        {
            auto* label = new QLabel(parent);
            if (spec.style & StyleSunken)
            {
                label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            }
            widget = label;
            break;
        }
        case ControlKind::Edit:
        {
            auto* edit = new QLineEdit(parent);
            edit->setReadOnly(spec.style & StyleReadOnly);
            if (spec.style & StyleCentre)
            {
                edit->setAlignment(Qt::AlignHCenter);
            }
            widget = edit;
            break;
        }
        case ControlKind::Button:
        case ControlKind::DefaultButton:
        {
            auto* button = new QPushButton(text, parent);
            // As in a dialog: Enter presses the button that has the focus, and the default button (the
            // wizard's Next or Save) only when no other button has it.
            button->setAutoDefault(true);
            button->setDefault(spec.kind == ControlKind::DefaultButton);
            widget = button;
            break;
        }
        case ControlKind::CheckBox:
            widget = new QCheckBox(text, parent);
            break;
        case ControlKind::Radio:
            widget = new QRadioButton(text, parent);
            break;
        case ControlKind::ListBox:
        {
            auto* list = new QListWidget(parent);
            list->setSortingEnabled(spec.style & StyleSorted);
            widget = list;
            break;
        }
        case ControlKind::ComboBox:
            widget = new QComboBox(parent);
            break;
        case ControlKind::ListView:
        {
            auto* view = new QTreeWidget(parent);
            view->setRootIsDecorated(false);
            view->setSelectionMode((spec.style & StyleMultiSelect) ? QAbstractItemView::ExtendedSelection
                                                                   : QAbstractItemView::SingleSelection);
            widget = view;
            break;
        }
        case ControlKind::Frame:
        {
            auto* frame = new QFrame(parent);
            frame->setFrameStyle((spec.w <= 2   ? QFrame::VLine
                                  : spec.h <= 2 ? QFrame::HLine
                                                : QFrame::Box) |
                                 QFrame::Sunken);
            widget = frame;
            break;
        }
        case ControlKind::GroupBox:
            widget = new QGroupBox(text, parent);
            break;
        case ControlKind::Custom:
            widget = factory ? factory(spec, parent) : new QWidget(parent);
            break;
        }
        widget->setObjectName(spec.id >= 0 ? QString::number(spec.id) : QStringLiteral("static%1").arg(position));
        if (auto* label = qobject_cast<QLabel*>(widget); label != nullptr && spec.kind == ControlKind::Static)
        {
            // A text one line high stays on its line: wrapping would hide its end below the line.
            const int height = DialogToPixels(base, 0, 0, 0, spec.h).height();
            label->setWordWrap(height >= 2 * parent->fontMetrics().lineSpacing());
        }
        if (spec.style & StyleHidden)
        {
            widget->hide();
        }
        if (spec.kind == ControlKind::Frame || spec.kind == ControlKind::GroupBox)
        {
            widget->lower(); // frames stand behind what they frame
        }
        if (spec.id >= 0)
        {
            controls.insert(spec.id, widget);
        }
        widgets.append(widget);
        ++position;
    }
    PlaceControls(specs, widgets, base);
    StretchUntilTextsFit(parent, specs, widgets, base);
    parent->setProperty(kStretchXProperty, base.stretchX);
    parent->setProperty(kStretchYProperty, base.stretchY);
    return controls;
}

} // namespace tarnix
