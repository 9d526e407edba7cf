#include "ui/CoreMessages.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

namespace tarnix
{

namespace
{

const char* const kContext = "tarnix::CoreMessage";

// The templates, for lupdate: the texts the core builds when a file cannot be read or written, a jersey or
// a bitmap cannot be used, or the team database cannot be read; and the C library's most common causes.
[[maybe_unused]] const char* const kTemplates[] = {
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 is not a jersey file: it has no entry %2"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "cannot open %1"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "cannot read %1"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "cannot write %1"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "cannot replace %1"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "it exists and is not a file"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 is a folder, not a file"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "%1 is a device or pipe, not a file"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage",
                      "%1 is too large to be a game file (%2 bytes; files of at most %3 MiB are read)"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "cannot create a temporary file in %1"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "no game folder is set"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "cannot read the team database"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "cannot read the team names"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "Please specify a file to save to."),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage",
                      "The label %1 holds characters that a jersey file cannot store: it holds only Western "
                      "European characters (Windows-%2). Please change the label."),
    QT_TRANSLATE_NOOP(
        "tarnix::CoreMessage",
        "%1 has transparent pixels (the first at (%2, %3)); paint them with a jersey colour and save "
        "without transparency"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage",
                      "%1 is a %2-bit bitmap; save it as an %3-bit (%4-colour) or %5-bit BMP, or as PNG"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage",
                      "the jersey's parts have not been prepared for the bitmap editor (see the design page)"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage",
                      "the jersey's pictures have not been prepared for the bitmap editor (see the design page)"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "No such file or directory"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "Permission denied"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "Is a directory"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "No space left on device"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "Read-only file system"),
    QT_TRANSLATE_NOOP("tarnix::CoreMessage", "Input/output error"),
};

// `text` in the language spoken when its template is translated; empty when it is not.
QString TranslatedWhole(const QString& text)
{
    // Quoted names and plain numbers are the values; at most nine of them fit the placeholders.
    static const QRegularExpression values(QStringLiteral("\"[^\"]*\"|\\b\\d+\\b"));
    QString pattern;
    QStringList found;
    qsizetype last = 0;
    for (QRegularExpressionMatchIterator it = values.globalMatch(text); it.hasNext();)
    {
        const QRegularExpressionMatch match = it.next();
        pattern += text.mid(last, match.capturedStart() - last);
        found << match.captured();
        pattern += QLatin1Char('%') + QString::number(found.size());
        last = match.capturedEnd();
    }
    pattern += text.mid(last);
    if (found.size() > 9 || pattern.contains(QLatin1String("%%")))
    {
        return {};
    }
    const QByteArray source = pattern.toUtf8();
    const QString translated = QCoreApplication::translate(kContext, source.constData());
    if (translated == pattern)
    {
        return {};
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
        result += index < found.size() ? found[index] : match.captured();
        last = match.capturedEnd();
    }
    return result + translated.mid(last);
}

} // namespace

QString CoreMessage(const QString& text)
{
    if (const QString whole = TranslatedWhole(text); !whole.isEmpty())
    {
        return whole;
    }
    // "cannot read the team database: cannot open "...": Permission denied": each part on its own.
    qsizetype colon = -1;
    bool quoted = false;
    for (qsizetype i = 0; i + 1 < text.size() && colon < 0; ++i)
    {
        quoted = text[i] == u'"' ? !quoted : quoted;
        colon = !quoted && text[i] == u':' && text[i + 1] == u' ' ? i : -1;
    }
    if (colon < 0)
    {
        return text;
    }
    const QString head = text.left(colon);
    const QString translatedHead = TranslatedWhole(head);
    return (translatedHead.isEmpty() ? head : translatedHead) + QLatin1String(": ") +
           CoreMessage(text.mid(colon + 2));
}

QString CoreMessage(const std::string& text)
{
    return CoreMessage(QString::fromStdString(text));
}

} // namespace tarnix
