// SPDX-License-Identifier: GPL-3.0-or-later
// Every panel in German: the main window with its menus, the add panels and
// the folder and colour choosers, the dialogs, the run window, the progress
// sheet and the alerts. Each is opened in English here and again in a German
// child process; a text that reads the same in both is English left
// untranslated, unless it is a name, a number, a path or one of the few
// words German shares with English.
#include "GermanSession.h"
#include "ListEntries.h"
#include "PanelTexts.h"
#include "TestApp.h"
#include "app/Window_About.h"
#include "appearance/ColorWell.h"
#include "appearance/Window_Colors.h"
#include "convert/Window_Convert.h"
#include "convert/Window_Preferences.h"
#include "filelist/Window_Progress.h"
#include "formats/FormatOptionsDialog.h"
#include "formats/core/FormatTable.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace quavero {

namespace {
const char *const kEnglishTexts = "QUAVERO_TEST_ENGLISH_PANEL_TEXTS";

// Texts that read the same in German and English by right: no letters,
// paths and file names, format and program names, version lines, and words
// the two languages share.
bool sameByRight(const QString &text)
{
    static const QStringList shared{"OK", "Name", "Format", "Pause", "Details", "Computer", "Quavero", "Audio", "Text",
                                    "HTML", "Mono", "Stereo", "Bitrate", "Codec", "Info", "Bitrate (kbit/s)",
                                    // Codec and bitrate-mode names.
                                    "AAC", "Apple Lossless", "VBR", "CBR",
                                    // The loudness tags of a whole album.
                                    "Album"};
    // Codec names, and values with their units.
    static const QRegularExpression technical(QStringLiteral(
        "^((PCM|G711|CCITT|Windows Media Audio) .*|[au]Law|[-+]?[0-9.,]+ ?(dB|k|Hz|kHz|%|bit|kbit/s|LUFS))$"));
    static const QRegularExpression noLetters(QStringLiteral("^[^\\p{L}]*$"));
    static const QRegularExpression fileName(QStringLiteral("^[^ /]+\\.[A-Za-z0-9]{2,4}$"));
    static const QRegularExpression formatName(QStringLiteral("^\\.[A-Z0-9]+$"));
    static const QRegularExpression programLine(QStringLiteral("^(ffmpeg|sox) .*\\(/"));
    static const QRegularExpression colourValue(QStringLiteral("^#[0-9A-Fa-f]{6,8}$"));
    QString word = text;
    if (word.endsWith(QLatin1Char(':')))
        word.chop(1);
    return shared.contains(word) || colourValue.match(text).hasMatch() || technical.match(text).hasMatch() ||
           noLetters.match(text).hasMatch() || fileName.match(text).hasMatch() || formatName.match(text).hasMatch() ||
           programLine.match(text).hasMatch() || text.startsWith(QLatin1Char('/')) ||
           text.startsWith(QStringLiteral("Quavero "));
}

// Opens each panel in turn and gives its texts by the panel's name.
QMap<QString, QStringList> panelTexts()
{
    testenv::resetHome();
    QMap<QString, QStringList> panels;
    TestApp t;
    if (!t.start())
        return panels;
    QtPrompts real(t.window.get());
    t.prompts.real = &real;
    const QString input = testenv::freshFolder("panels-in");
    panels["main window and its menus"] = paneltexts::of(t.window.get());

    panels["Add Files panel"] = paneltexts::ofModal([&] { t.app->OnUserToolbarAddVideos(); });
    panels["Add Folder panel"] = paneltexts::ofModal([&] { t.app->OnUserToolbarAddFolder(); });
    panels["Add Folder and Subfolders panel"] = paneltexts::ofModal([&] { t.app->OnMenuAddFolderAndSubfolders(); });
    panels["alert"] = paneltexts::ofModal([&] { t.app->addPaths({input}); }, "quavero::AlertDialog");

    t.app->OnUserToolbarColors();
    panels["Colors dialog"] = paneltexts::of(t.app->windowColors);
    panels["colour chooser"] =
        paneltexts::ofModal([&] { t.app->windowColors->colorSpectrumForeground->click(); }, "QColorDialog");
    t.app->Cancel_Window_Colors();

    t.app->OnMenuPreferences();
    panels["Preferences"] = paneltexts::of(t.app->windowPreferences);
    t.app->windowPreferences->reject();

    for (const OutputFormat &format : formats::all()) {
        if (format.record == RecordKind::None)
            continue;
        t.app->comboboxOutputFormat->setCurrentIndex(format.index);
        t.app->OnUserFormatOptions();
        auto *dialog = qobject_cast<FormatOptionsDialog *>(QApplication::activeModalWidget());
        if (!dialog) {
            panels[format.item + " options"] = QStringList();
            continue;
        }
        panels[format.item + " options"] = paneltexts::of(dialog);
        dialog->reject();
    }

    t.app->OnMenuAbout();
    if (t.app->windowAbout) {
        QSignalSpy shown(t.app->windowAbout.data(), &Window_About::programsShown);
        shown.wait(20000);
        panels["About"] = paneltexts::of(t.app->windowAbout);
        t.app->windowAbout->close();
    }

    {
        Window_Progress sheet(t.window.get());
        sheet.beginSheet(3);
        panels["progress sheet"] = paneltexts::of(&sheet);
        sheet.endSheet();
    }

    // A run of a file that holds no audio: its window, then its alert with details.
    QFile notAudio(input + "/bad.wav");
    notAudio.open(QIODevice::WriteOnly);
    notAudio.write("no audio here");
    notAudio.close();
    listentries::add(t, {input + "/bad.wav"});
    panels["destination chooser"] = paneltexts::ofModal([&] { t.app->OnUserToolbarConvert(); }, "QFileDialog");
    t.prompts.real = nullptr;
    t.prompts.destinationAnswers.enqueue(testenv::freshFolder("panels-out"));
    QSignalSpy finished(t.app.get(), &AppDelegate::conversionFinished);
    t.app->OnUserToolbarConvert();
    if (t.app->windowConvert)
        panels["run window"] = paneltexts::of(t.app->windowConvert);
    t.prompts.real = &real;
    panels["end-of-run alert"] =
        paneltexts::ofModal([&] { finished.wait(60000); }, "quavero::AlertDialog",
                            [](QWidget *alert) {
                                for (QAbstractButton *button : alert->findChildren<QAbstractButton *>())
                                    if (button->isCheckable())
                                        button->click(); // the details
                            });
    return panels;
}
} // namespace

TEST(GermanPanels, EveryPanelSpeaksGerman)
{
    if (!germansession::active()) {
        const QMap<QString, QStringList> english = panelTexts();
        QJsonObject saved;
        for (auto it = english.begin(); it != english.end(); ++it) {
            // Each panel was opened and read: a panel that did not open tests nothing.
            EXPECT_FALSE(it.value().isEmpty()) << it.key().toStdString();
            saved[it.key()] = QJsonArray::fromStringList(it.value());
        }
        EXPECT_GE(english.size(), 20);
        QTemporaryDir folder;
        const QString path = folder.filePath("english.json");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QJsonDocument(saved).toJson());
        file.close();
        QProcessEnvironment extra;
        extra.insert(QLatin1String(kEnglishTexts), path);
        return germansession::run(QStringLiteral("GermanPanels.EveryPanelSpeaksGerman"), extra);
    }
    germansession::install();
    QFile file(qEnvironmentVariable(kEnglishTexts));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QJsonObject english = QJsonDocument::fromJson(file.readAll()).object();
    const QMap<QString, QStringList> german = panelTexts();
    for (auto it = german.begin(); it != german.end(); ++it) {
        ASSERT_TRUE(english.contains(it.key())) << it.key().toStdString();
        const QStringList before = english.value(it.key()).toVariant().toStringList();
        QStringList untranslated;
        for (const QString &text : it.value())
            if (before.contains(text) && !sameByRight(text))
                untranslated << text;
        EXPECT_TRUE(untranslated.isEmpty())
            << it.key().toStdString() << " shows English: \"" << untranslated.join("\", \"").toStdString() << "\"";
    }
    EXPECT_EQ(german.size(), english.size());
    testenv::resetHome();
}

} // namespace quavero
