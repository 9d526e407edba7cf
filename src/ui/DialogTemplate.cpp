#include "ui/DialogTemplate.h"

#include <QCheckBox>
#include <QComboBox>
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
    auto px = [&](int v) { return (v * base.cx + 2) / 4; };
    auto py = [&](int v) { return (v * base.cy + 4) / 8; };
    return QRect(px(x), py(y), px(x + w) - px(x), py(y + h) - py(y));
}

QSize DialogSize(const DialogBase& base, int w, int h)
{
    return DialogToPixels(base, 0, 0, w, h).size();
}

QFont DialogFont()
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

QHash<int, QWidget*> BuildControls(QWidget* parent, std::span<const ControlSpec> specs, const DialogBase& base,
                                   const CustomFactory& factory)
{
    QHash<int, QWidget*> controls;
    int position = 0;
    for (const ControlSpec& spec : specs)
    {
        const QString text = QString::fromUtf8(spec.text ? spec.text : "");
        QWidget* widget = nullptr;
        switch (spec.kind)
        {
        case ControlKind::Static:
        {
            auto* label = new QLabel(text, parent);
            label->setWordWrap(true);
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
        QRect geometry = DialogToPixels(base, spec.x, spec.y, spec.w, spec.h);
        if (auto* label = qobject_cast<QLabel*>(widget); label != nullptr && spec.kind == ControlKind::Static)
        {
            // A one-line text laid out for "MS Sans Serif" can need a few pixels more in the substitute
            // font; wrapping would hide its end below the line, so it stays on its line and gets the room.
            const QFontMetrics metrics(parent->font());
            if (geometry.height() < 2 * metrics.lineSpacing())
            {
                label->setWordWrap(false);
                const int needed = metrics.horizontalAdvance(label->text().remove(QLatin1Char('&'))) + 2;
                if (needed > geometry.width())
                {
                    geometry.setWidth(needed);
                    // The extra room may reach under a neighbour, which must stay on top and clickable.
                    label->lower();
                }
            }
        }
        widget->setGeometry(geometry);
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
        ++position;
    }
    return controls;
}

} // namespace tarnix
