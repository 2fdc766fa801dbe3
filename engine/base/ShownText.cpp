#include "base/ShownText.h"

#include "base/EngineTexts.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <vector>

namespace kestrel {

namespace {

constexpr char kContext[] = "Engine";

// shown() fills in up to three parts.
static_assert(std::ranges::all_of(texts::kSentences, [](const char* sentence) {
    return texts::partCount(sentence) <= 3;
}));

struct Template {
    QRegularExpression english;
    const char* source;
};

const std::vector<Template>& templates() {
    static const std::vector<Template> all = [] {
        std::vector<Template> made;
        static const QRegularExpression part(QStringLiteral("%\\d"));
        for (const char* source : texts::kSentences) {
            QString pattern = QRegularExpression::escape(QString::fromUtf8(source));
            pattern.replace(QStringLiteral("\\%"), QStringLiteral("%"));
            pattern.replace(part, QStringLiteral("(.+?)"));
            made.push_back({QRegularExpression(u'^' + pattern + u'$',
                                               QRegularExpression::DotMatchesEverythingOption),
                            source});
        }
        return made;
    }();
    return all;
}

// formatBytes's "1.5 GB", with the locale's decimal sign.
QString shownSize(const QString& text) {
    static const QRegularExpression size(QStringLiteral("^(\\d+)\\.(\\d) ([kMGTPE]B)$"));
    const QRegularExpressionMatch m = size.match(text);
    if (!m.hasMatch())
        return text;
    return m.captured(1) + QLocale().decimalPoint() + m.captured(2) + u' ' + m.captured(3);
}

QString shown(const QString& english, int depth) {
    const QByteArray utf8 = english.toUtf8();
    const QString word = QCoreApplication::translate(kContext, utf8.constData());
    if (word != english || depth > 4)
        return word;
    for (const Template& t : templates())
        if (const QRegularExpressionMatch m = t.english.match(english); m.hasMatch()) {
            // In one pass: a part may hold a % of its own.
            QStringList parts;
            for (int i = 1; i <= m.lastCapturedIndex(); ++i)
                parts.append(shown(m.captured(i), depth + 1));
            const QString text = QCoreApplication::translate(kContext, t.source);
            switch (parts.size()) {
            case 1:
                return text.arg(parts[0]);
            case 2:
                return text.arg(parts[0], parts[1]);
            default:
                return text.arg(parts[0], parts[1], parts[2]);
            }
        }
    // A reason followed by the system's words for the error, or parts of a progress line.
    if (const qsizetype dot = english.indexOf(QStringLiteral(" · ")); dot > 0)
        return shown(english.left(dot), depth + 1) + english.mid(dot, 3) +
               shown(english.mid(dot + 3), depth + 1);
    if (const qsizetype colon = english.lastIndexOf(QStringLiteral(": ")); colon > 0) {
        const QString why = english.mid(colon + 2);
        const QString said = shown(why, depth + 1);
        if (said != why)
            //: A reason, then the system's words for the error that caused it.
            return QCoreApplication::translate("Engine", "%1: %2")
                .arg(shown(english.left(colon), depth + 1), said);
    }
    return shownSize(english);
}

} // namespace

QString shownText(const std::string& english) {
    return shown(QString::fromStdString(english), 0);
}

} // namespace kestrel
