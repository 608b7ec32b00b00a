// SPDX-License-Identifier: GPL-3.0-or-later
// The preferences store.
#include "platform/core/Preferences.h"

#include <QDir>
#include <QSettings>
#include <gtest/gtest.h>

namespace quavero {

class QtPreferencesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Quavero", "Quavero");
        settings.clear();
        settings.sync();
    }
};

TEST_F(QtPreferencesTest, KeepsValuesInTheUsersConfigFolderFromTheMomentTheyAreWritten)
{
    QtPreferences writer;
    EXPECT_EQ(writer.fileName(), QDir::homePath() + "/.config/Quavero/Quavero.conf");
    writer.setString("DremlockAOF28", "8");
    const QByteArray bytes("\x00\x01\xff binary", 10);
    writer.setData("Dremlock_Zentuvo_Color_Background", bytes);

    // A second store (as in the next run) reads what the first has written.
    QtPreferences reader;
    EXPECT_EQ(reader.string("DremlockAOF28"), "8");
    EXPECT_EQ(reader.data("Dremlock_Zentuvo_Color_Background"), bytes);
    EXPECT_TRUE(reader.contains("DremlockAOF28"));
    writer.remove("DremlockAOF28");
    EXPECT_FALSE(QtPreferences().contains("DremlockAOF28"));
}

TEST_F(QtPreferencesTest, MissingKeyReadsAsEmpty)
{
    QtPreferences prefs;
    EXPECT_EQ(prefs.string("Dremlock_Zentuvo_b_List_Alternating_Rows"), QString());
    EXPECT_TRUE(prefs.data("Dremlock_Zentuvo_Color_Spectrum").isEmpty());
    EXPECT_FALSE(prefs.contains("Dremlock_Zentuvo_Color_Spectrum"));
}

} // namespace quavero
