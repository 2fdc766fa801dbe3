#pragma once

#include <QStringList>

namespace kestrel {

// The languages the user reads, most wanted first, as gettext picks them: the first set of
// LC_ALL, LC_MESSAGES and LANG names the locale; LANGUAGE, a list separated by colons, comes
// before it unless that locale is C or POSIX (then every text stays English). Each entry
// without its codeset or modifier: "de_DE", "fr", "C".
QStringList messageLanguages();

// Installs the English plural forms of kestrel's texts (the code writes counted texts in the
// plural only, "%Ln files"), then translators for kestrel's texts and for Qt's own (qtbase) in
// the first of messageLanguages() that kestrel is translated into; English, the texts' own
// language, ends the search. A program without an application (kestrel-import) gets a plain
// one, kept until the process ends, since Qt translates only through one. Called again, it
// replaces what it installed before. Returns the language chosen ("de"), empty for English.
QString installTranslations();

} // namespace kestrel
