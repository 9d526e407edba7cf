#include "ui/CoreMessages.h"

#include "archive/KitColours.h"
#include "ui/CoreMessageTemplates.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

namespace tarnix
{

namespace
{

QString Translated(const char* context, const QString& text)
{
    const QByteArray source = text.toUtf8();
    return QCoreApplication::translate(context, source.constData());
}

QString PartNames()
{
    return QStringLiteral("(?:front|back|long sleeve|short sleeve)");
}

QString KitGroupNames()
{
    return QStringLiteral("(?:jersey|shorts|socks) (?:1st|2nd|3rd)");
}

// "Red (2)": a kit colour by its name and index, as the core lists the colours near a far one.
QString ColourItem()
{
    QStringList names;
    for (const NamedColour& colour : PickerPalette)
    {
        names << QRegularExpression::escape(QString::fromUtf8(colour.name.data(), qsizetype(colour.name.size())));
    }
    return QStringLiteral("\\b(?:%1) \\(\\d+\\)").arg(names.join(QLatin1Char('|')));
}

// "jersey 1st (group 2) 40": the pixels that went to a colour group.
QString CountItem()
{
    return QStringLiteral("(?:%1 \\(group \\d+\\)|the badge ramp \\(group \\d+\\)|fixed group \\d+) \\d+")
        .arg(KitGroupNames());
}

// What stands for a value in a template, tried in this order at each place of a message: a list the core
// joined (its length varies, so it is one value, translated item by item); the names of parts and colour
// groups the core puts into its sentences (translated as values, so that one template serves every part);
// the PNG library's own reason, kept as the library wrote it; quoted names; colours; plain numbers.
const QRegularExpression& Values(bool lists)
{
    static const QString single =
        QStringLiteral("(?<term>the %1(?: design bitmap| shade bitmap| picture| design and shade bitmaps)\\b|"
                       "(?<=composed |no )%1\\b|%2(?= \\(group))|"
                       "(?<=is a damaged PNG \\()(?!no IHDR|image width|image height)[^()]*(?=\\)$)|"
                       "\"[^\"]*\"|#[0-9A-F]{6}\\b|\\b\\d+\\b")
            .arg(PartNames(), KitGroupNames());
    static const QRegularExpression withLists(
        QStringLiteral("(?<counts>%1(?:, %1)*)|(?<colours>%2(?:, %2)*)|").arg(CountItem(), ColourItem()) + single);
    static const QRegularExpression withoutLists(single);
    return lists ? withLists : withoutLists;
}

QString TranslatedWhole(const QString& text, bool lists);

// A value as the translated template shows it.
QString ShownValue(const QRegularExpressionMatch& match)
{
    const QString value = match.captured();
    if (match.capturedStart(QStringLiteral("term")) >= 0)
    {
        return Translated(kCoreMessageContext, value);
    }
    const bool counts = match.capturedStart(QStringLiteral("counts")) >= 0;
    if (!counts && match.capturedStart(QStringLiteral("colours")) < 0)
    {
        return value;
    }
    QStringList items = value.split(QStringLiteral(", "));
    for (QString& item : items)
    {
        if (counts)
        {
            const QString translated = TranslatedWhole(item, false);
            item = translated.isEmpty() ? item : translated;
            continue;
        }
        // The colour picker's own names for the kit colours.
        const qsizetype open = item.lastIndexOf(QStringLiteral(" ("));
        item = Translated("tarnix::CColourGridWnd", item.left(open)) + item.mid(open);
    }
    return items.join(QStringLiteral(", "));
}

// `text` in the language spoken when its template is translated; empty when it is not.
QString TranslatedWhole(const QString& text, bool lists)
{
    QString pattern;
    QList<QRegularExpressionMatch> found;
    qsizetype last = 0;
    for (QRegularExpressionMatchIterator it = Values(lists).globalMatch(text); it.hasNext();)
    {
        const QRegularExpressionMatch match = it.next();
        pattern += text.mid(last, match.capturedStart() - last);
        found << match;
        pattern += QLatin1Char('%') + QString::number(found.size());
        last = match.capturedEnd();
    }
    pattern += text.mid(last);
    // At most nine values fit the placeholders; two values side by side cannot be told apart.
    if (found.size() > 9 || pattern.contains(QLatin1String("%%")))
    {
        return {};
    }
    const QString translated = Translated(kCoreMessageContext, pattern);
    if (translated == pattern)
    {
        // A name the core uses alone ("the front picture: ...") is a template of one value.
        const QString shown = pattern == QLatin1String("%1") ? ShownValue(found.front()) : QString();
        return shown == text ? QString() : shown;
    }
    // One pass over the placeholders: a value holding "%2" (a file name may) is not read as one.
    QString result;
    static const QRegularExpression placeholder(QStringLiteral("%([1-9])"));
    last = 0;
    for (QRegularExpressionMatchIterator it = placeholder.globalMatch(translated); it.hasNext();)
    {
        const QRegularExpressionMatch match = it.next();
        result += translated.mid(last, match.capturedStart() - last);
        const qsizetype index = match.captured(1).toInt() - 1;
        result += index < found.size() ? ShownValue(found[index]) : match.captured();
        last = match.capturedEnd();
    }
    return result + translated.mid(last);
}

// Where `text` first holds `separator` outside quotes, or -1.
qsizetype UnquotedIndexOf(const QString& text, QLatin1String separator)
{
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i)
    {
        quoted = text[i] == u'"' ? !quoted : quoted;
        if (!quoted && QStringView(text).mid(i).startsWith(separator))
        {
            return i;
        }
    }
    return -1;
}

} // namespace

QString CoreMessage(const QString& text)
{
    // A report of several lines ("front: 12 changed pixels; ...") is read a line at a time.
    if (text.contains(QLatin1Char('\n')))
    {
        QStringList lines = text.split(QLatin1Char('\n'));
        for (QString& line : lines)
        {
            line = CoreMessage(line);
        }
        return lines.join(QLatin1Char('\n'));
    }
    if (const QString whole = TranslatedWhole(text, true); !whole.isEmpty())
    {
        return whole;
    }
    // "cannot read the team database: cannot open "...": Permission denied": each part on its own; so too
    // the parts of "12 changed pixels; 3 in colours the kit shows (...)".
    QLatin1String separator(": ");
    qsizetype at = UnquotedIndexOf(text, separator);
    if (at < 0)
    {
        separator = QLatin1String("; ");
        at = UnquotedIndexOf(text, separator);
    }
    if (at < 0)
    {
        return text;
    }
    const QString head = text.left(at);
    const QString translatedHead = TranslatedWhole(head, true);
    return (translatedHead.isEmpty() ? head : translatedHead) + separator + CoreMessage(text.mid(at + 2));
}

QString CoreMessage(const std::string& text)
{
    return CoreMessage(QString::fromStdString(text));
}

} // namespace tarnix
