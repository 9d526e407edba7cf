#pragma once

// The messages of the core (archive, teams), which knows no Qt and speaks English, in the language the
// windows speak. A message is matched by its template: its quoted names and its plain numbers stand as %1,
// %2, ...; "head: tail" is matched a part at a time. The templates users meet most are translated (those of
// CoreMessageTemplates()); any other message is shown as the core wrote it.

#include <QString>
#include <string>

namespace tarnix
{

QString CoreMessage(const std::string& text);
QString CoreMessage(const QString& text);

} // namespace tarnix
