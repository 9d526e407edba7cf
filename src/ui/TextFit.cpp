#include "ui/TextFit.h"

#include <QAbstractItemModel>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionViewItem>
#include <QTextDocument>
#include <QTreeView>

namespace tarnix
{

namespace
{

// What a control shows for a text with mnemonics: "&Browse..." reads "Browse...", "&&" reads "&".
QString WithoutMnemonic(const QString& text)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i)
    {
        if (text[i] == u'&' && i + 1 < text.size())
        {
            ++i;
        }
        shown += text[i];
    }
    return shown;
}

QString NameOf(const QWidget* widget)
{
    return QStringLiteral("%1 \"%2\"")
        .arg(QString::fromLatin1(widget->metaObject()->className()), widget->objectName());
}

void Report(QList<CutText>& cuts, const QWidget* widget, const QString& text, int needed, int available,
            bool vertical, int span)
{
    if (needed > available)
    {
        cuts.append({NameOf(widget), text, needed, available, vertical, span});
    }
}

void CheckLabel(const QLabel* label, QList<CutText>& cuts)
{
    if (label->text().isEmpty() || !label->pixmap().isNull() ||
        (label->textFormat() != Qt::PlainText && Qt::mightBeRichText(label->text())))
    {
        return;
    }
    // A label shows its mnemonic only when it has a buddy to give the focus to.
    const QString shown = label->buddy() != nullptr ? WithoutMnemonic(label->text()) : label->text();
    const QFontMetrics metrics(label->font());
    const int margin = label->margin();
    const QRect room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    if (!label->wordWrap())
    {
        const QSize size = metrics.size(0, shown);
        Report(cuts, label, shown, size.width(), room.width(), false, label->width());
        Report(cuts, label, shown, size.height(), room.height(), true, label->height());
        return;
    }
    // Wrapping breaks lines between words; a word wider than the label is cut all the same.
    for (const QString& word : shown.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
    {
        Report(cuts, label, word, metrics.horizontalAdvance(word), room.width(), false, label->width());
    }
    const QRect wrapped = metrics.boundingRect(QRect(0, 0, room.width(), 1 << 20),
                                               int(label->alignment()) | Qt::TextWordWrap, shown);
    // Taller than the label: the last lines are cut. The width grows to fix that, so it is reported as a
    // shortfall of width in proportion.
    if (wrapped.height() > room.height() && room.height() > 0)
    {
        const int needed = int(qint64(room.width()) * wrapped.height() / room.height());
        cuts.append({NameOf(label), shown, needed, room.width(), false, label->width()});
    }
}

void CheckButton(const QAbstractButton* button, QList<CutText>& cuts)
{
    if (button->text().isEmpty())
    {
        return;
    }
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    QStyle::SubElement contents = QStyle::SE_PushButtonContents;
    if (auto* push = qobject_cast<const QPushButton*>(button))
    {
        if (push->autoDefault())
        {
            option.features |= QStyleOptionButton::AutoDefaultButton;
        }
        if (push->isDefault())
        {
            option.features |= QStyleOptionButton::DefaultButton;
        }
    }
    else if (qobject_cast<const QCheckBox*>(button) != nullptr)
    {
        contents = QStyle::SE_CheckBoxContents;
    }
    else if (qobject_cast<const QRadioButton*>(button) != nullptr)
    {
        contents = QStyle::SE_RadioButtonContents;
    }
    else
    {
        return; // tool buttons and the like draw their text their own way
    }
    const QRect room = button->style()->subElementRect(contents, &option, button);
    const QString shown = WithoutMnemonic(button->text());
    int needed = button->fontMetrics().horizontalAdvance(shown);
    if (!button->icon().isNull())
    {
        needed += button->iconSize().width() + 4;
    }
    Report(cuts, button, shown, needed, room.width(), false, button->width());
}

void CheckHeaderAndCells(const QTreeView* view, QList<CutText>& cuts)
{
    const QAbstractItemModel* model = view->model();
    const QHeaderView* header = view->header();
    if (model == nullptr || header == nullptr)
    {
        return;
    }
    QStyleOptionViewItem option;
    option.initFrom(view);
    option.widget = view;
    option.font = view->font();
    option.fontMetrics = view->fontMetrics();
    for (int column = 0; column < model->columnCount(); ++column)
    {
        if (view->isColumnHidden(column))
        {
            continue;
        }
        const QString where = QStringLiteral(" column %1").arg(column);
        const int width = view->columnWidth(column);
        if (!view->isHeaderHidden())
        {
            const QString title = model->headerData(column, Qt::Horizontal).toString();
            if (header->sectionSizeHint(column) > width)
            {
                cuts.append({NameOf(view) + where, title, header->sectionSizeHint(column), width, false, 0});
            }
        }
        const int indent = column == 0 && view->rootIsDecorated() ? view->indentation() : 0;
        for (int row = 0; row < model->rowCount(); ++row)
        {
            const QModelIndex index = model->index(row, column);
            const int needed = view->itemDelegateForIndex(index)->sizeHint(option, index).width() + indent;
            if (needed > width)
            {
                cuts.append({NameOf(view) + where, index.data().toString(), needed, width, false, 0});
            }
        }
    }
}

// A control of a dialog template that reaches out of its dialog is cut by the dialog's edge.
void CheckInsideParent(const QWidget* widget, QList<CutText>& cuts)
{
    bool numbered = false;
    widget->objectName().toInt(&numbered);
    if (!numbered && !widget->objectName().startsWith(QLatin1String("static")))
    {
        return;
    }
    const QRect parent = widget->parentWidget()->rect();
    const QRect geometry = widget->geometry();
    Report(cuts, widget, widget->objectName(), geometry.right() + 1, parent.width(), false, 0);
    Report(cuts, widget, widget->objectName(), geometry.bottom() + 1, parent.height(), true, 0);
}

} // namespace

QList<CutText> FindCutTexts(const QWidget* root)
{
    QList<CutText> cuts;
    QList<const QWidget*> widgets{root};
    for (const QWidget* child : root->findChildren<QWidget*>())
    {
        if (child->isVisibleTo(root) && !child->isWindow())
        {
            widgets.append(child);
        }
    }
    for (const QWidget* widget : widgets)
    {
        if (auto* label = qobject_cast<const QLabel*>(widget))
        {
            CheckLabel(label, cuts);
        }
        else if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        {
            CheckButton(button, cuts);
        }
        else if (auto* view = qobject_cast<const QTreeView*>(widget))
        {
            CheckHeaderAndCells(view, cuts);
        }
        if (widget != root && widget->parentWidget() != nullptr)
        {
            CheckInsideParent(widget, cuts);
        }
    }
    return cuts;
}

QString DescribeCutTexts(const QList<CutText>& cuts)
{
    QStringList lines;
    for (const CutText& cut : cuts)
    {
        lines << QStringLiteral("%1: \"%2\" needs %3 px %4, has %5")
                     .arg(cut.control, cut.text)
                     .arg(cut.needed)
                     .arg(cut.vertical ? QStringLiteral("high") : QStringLiteral("wide"))
                     .arg(cut.available);
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace tarnix
