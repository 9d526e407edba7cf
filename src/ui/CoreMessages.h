#pragma once

// The messages of the core (archive, teams), which knows no Qt and speaks English, in the language the
// windows speak. A message is matched by its template (CoreMessageTemplates.h): its quoted names, plain
// numbers, colours, the part and colour-group names it holds and the lists it joins stand as %1, %2, ...; a
// message without a template of its own is matched a line, a "head: tail" and a "first; second" part at a
// time. Whatever has no template is shown as the core wrote it.

#include <QString>
#include <string>

namespace tarnix
{

QString CoreMessage(const std::string& text);
QString CoreMessage(const QString& text);

} // namespace tarnix
