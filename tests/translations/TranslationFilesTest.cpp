// SPDX-License-Identifier: GPL-3.0-or-later
// The translation sources: every text of the program has a finished
// translation in each language, and a translation keeps what the program
// fills in or reacts to (the %1 placeholders, the & of a menu letter).
#include <QDir>
#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

namespace quavero {

namespace {
const QStringList kLanguages{QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es")};

struct Message {
    QString context;
    QString source;
    QStringList translations; // one, or one per plural form
    QString type;             // "unfinished", "vanished", "obsolete" or empty
};

struct TsFile {
    QString language;
    QList<Message> messages;
    QString error;
};

TsFile readTs(const QString &path)
{
    TsFile ts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ts.error = QStringLiteral("cannot open ") + path;
        return ts;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("TS")) {
            ts.language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = Message{context, {}, {}, {}};
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            // A plural message holds one numerusform per form instead of text.
            QString text;
            while (!xml.atEnd()) {
                xml.readNext();
                if (xml.isCharacters())
                    text += xml.text();
                else if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
                    message.translations << xml.readElementText();
                else if (xml.isEndElement() && xml.name() == QLatin1String("translation"))
                    break;
            }
            if (message.translations.isEmpty())
                message.translations << text;
            ts.messages << message;
        }
    }
    if (xml.hasError())
        ts.error = path + QStringLiteral(": ") + xml.errorString();
    return ts;
}

QString tsPath(const QString &language)
{
    return QStringLiteral(QUAVERO_SOURCE_DIR "/translations/quavero_%1.ts").arg(language);
}

// The placeholders of a text ("%1", "%L2", "%n"), sorted: a translation may
// reorder them but must keep each one.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("%(L?[1-9][0-9]?|n)"));
    QStringList found;
    for (auto it = pattern.globalMatch(text); it.hasNext();)
        found << it.next().captured(0);
    found.sort();
    return found;
}

// A menu or button letter: "&File", but not "&&".
bool hasMnemonic(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("(^|[^&])&[^&\\s]"));
    return pattern.match(text).hasMatch();
}

QString where(const Message &m) { return m.context + QStringLiteral(" / \"") + m.source + QStringLiteral("\""); }
} // namespace

TEST(TranslationFiles, EachLanguageHasEveryMessageFinished)
{
    QMap<QString, QStringList> keysByLanguage;
    for (const QString &language : kLanguages) {
        const TsFile ts = readTs(tsPath(language));
        ASSERT_TRUE(ts.error.isEmpty()) << ts.error.toStdString();
        EXPECT_EQ(ts.language.section(QLatin1Char('_'), 0, 0), language);
        // An empty file would pass every check below.
        EXPECT_GT(ts.messages.size(), 50) << language.toStdString();
        QStringList keys;
        for (const Message &m : ts.messages) {
            keys << m.context + QLatin1Char('\x1f') + m.source;
            EXPECT_TRUE(m.type.isEmpty())
                << language.toStdString() << ": " << m.type.toStdString() << " " << where(m).toStdString();
            for (const QString &text : m.translations)
                EXPECT_FALSE(text.trimmed().isEmpty()) << language.toStdString() << ": empty " << where(m).toStdString();
        }
        keys.sort();
        keysByLanguage[language] = keys;
    }
    // Brought up to date together: the same texts in every language.
    EXPECT_EQ(keysByLanguage.value("de"), keysByLanguage.value("fr"));
    EXPECT_EQ(keysByLanguage.value("de"), keysByLanguage.value("es"));
}

TEST(TranslationFiles, TranslationsKeepPlaceholdersAndMenuLetters)
{
    for (const QString &language : kLanguages) {
        const TsFile ts = readTs(tsPath(language));
        ASSERT_TRUE(ts.error.isEmpty()) << ts.error.toStdString();
        for (const Message &m : ts.messages) {
            for (const QString &text : m.translations) {
                QStringList expected = placeholders(m.source);
                QStringList got = placeholders(text);
                // A plural form may spell the number out instead of %n.
                expected.removeAll(QStringLiteral("%n"));
                got.removeAll(QStringLiteral("%n"));
                EXPECT_EQ(got, expected) << language.toStdString() << ": " << where(m).toStdString() << " -> \""
                                         << text.toStdString() << "\"";
                EXPECT_EQ(hasMnemonic(text), hasMnemonic(m.source))
                    << language.toStdString() << ": menu letter of " << where(m).toStdString() << " -> \""
                    << text.toStdString() << "\"";
            }
        }
    }
}

namespace {
// The menus of the main window's layout: each menu's name and the names of
// what it holds in order (actions, submenus; "separator" for a line), and
// each action's and menu's English text.
struct MenuLayout {
    QMap<QString, QStringList> items; // menu name -> item names; "" is the menu bar
    QMap<QString, QString> texts;     // action or menu name -> text
};

MenuLayout readMenus(const QString &path)
{
    MenuLayout layout;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return layout;
    QXmlStreamReader xml(&file);
    QStringList open; // the menus being read, innermost last; "" for the menu bar
    QString named;    // the action or menu whose properties are being read
    QString property;
    while (!xml.atEnd()) {
        xml.readNext();
        const auto name = xml.name();
        if (xml.isStartElement()) {
            const QString cls = xml.attributes().value(QLatin1String("class")).toString();
            const QString objectName = xml.attributes().value(QLatin1String("name")).toString();
            if (name == QLatin1String("widget") &&
                (cls == QLatin1String("QMenu") || cls == QLatin1String("QMenuBar"))) {
                open << (cls == QLatin1String("QMenuBar") ? QString() : objectName);
                named = objectName;
                layout.items[open.last()];
            } else if (name == QLatin1String("widget")) {
                open << QStringLiteral("<other>");
            } else if (name == QLatin1String("action")) {
                named = objectName;
            } else if (name == QLatin1String("addaction") && !open.isEmpty() && open.last() != QLatin1String("<other>")) {
                layout.items[open.last()] << objectName;
            } else if (name == QLatin1String("property")) {
                property = objectName;
            } else if (name == QLatin1String("string") &&
                       (property == QLatin1String("text") || property == QLatin1String("title"))) {
                layout.texts[named] = xml.readElementText();
            }
        } else if (xml.isEndElement() && name == QLatin1String("widget") && !open.isEmpty()) {
            open.removeLast();
        }
    }
    return layout;
}

// The access letter of a menu text ("&File" -> "f"); empty when it has none.
QString accessLetter(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("(?:^|[^&])&([^&\\s])"));
    return pattern.match(text).captured(1).toLower();
}
} // namespace

TEST(TranslationFiles, EveryMenuItemHasAnAccessLetterOfItsOwnInEveryLanguage)
{
    const MenuLayout layout = readMenus(QStringLiteral(QUAVERO_SOURCE_DIR "/src/app/MainWindow.ui"));
    ASSERT_GE(layout.items.size(), 6) << "the menu bar and its menus";
    for (const QString &language : QStringList{QStringLiteral("en")} + kLanguages) {
        QMap<QString, QString> translated; // English text -> text in the language
        if (language != QLatin1String("en")) {
            const TsFile ts = readTs(tsPath(language));
            ASSERT_TRUE(ts.error.isEmpty()) << ts.error.toStdString();
            for (const Message &m : ts.messages)
                if (m.context == QLatin1String("MainWindow"))
                    translated[m.source] = m.translations.value(0);
        }
        for (auto menu = layout.items.begin(); menu != layout.items.end(); ++menu) {
            QMap<QString, QString> taken; // letter -> text that has it
            for (const QString &item : menu.value()) {
                if (item == QLatin1String("separator"))
                    continue;
                const QString english = layout.texts.value(item);
                const QString text = language == QLatin1String("en") ? english : translated.value(english);
                const std::string where = language.toStdString() + ", menu \"" + menu.key().toStdString() + "\", \"" +
                                          text.toStdString() + "\"";
                ASSERT_FALSE(text.isEmpty()) << where << " (" << item.toStdString() << ")";
                const QString letter = accessLetter(text);
                EXPECT_FALSE(letter.isEmpty()) << where << ": no access letter";
                if (letter.isEmpty())
                    continue;
                EXPECT_FALSE(taken.contains(letter))
                    << where << ": its letter is that of \"" << taken.value(letter).toStdString() << "\"";
                taken[letter] = text;
            }
        }
    }
}

TEST(TranslationFiles, SoftwareCentreMetadataListsEveryTranslation)
{
    QFile file(QStringLiteral(QUAVERO_SOURCE_DIR "/data/org.example.Quavero.metainfo.xml"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QStringList listed;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("lang"))
            listed << xml.readElementText();
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    QStringList expected = kLanguages;
    expected << QStringLiteral("en");
    expected.sort();
    listed.sort();
    EXPECT_EQ(listed, expected);
    for (const QString &language : kLanguages)
        EXPECT_TRUE(QFile::exists(tsPath(language))) << language.toStdString();
}

} // namespace quavero
