// SPDX-License-Identifier: GPL-3.0-or-later
// The loudness settings of Edit > Preferences as a screen reader's user
// reaches them (through QAccessible), stored on OK, and read by the next run:
// its MP3 gets the loudness tags and the normalising gain.
#include "RunSupport.h"

#include "app/PreferenceKeys.h"
#include "convert/Window_Preferences.h"
#include "convert/engine/TagReading.h"

#include <QAccessible>
#include <QComboBox>

namespace quavero {

using namespace runsupport;

namespace {
// What a screen reader announces a control as: its own name, else the
// label that labels it (a list box's own name is its current item).
QStringList namesOf(QAccessibleInterface *control)
{
    QStringList names{control->text(QAccessible::Name)};
    for (const auto &relation : control->relations(QAccessible::Label))
        names << relation.first->text(QAccessible::Name);
    return names;
}

// The first control below root announced by this name, with this role.
QAccessibleInterface *findNamed(QAccessibleInterface *root, const QString &name, QAccessible::Role role)
{
    if (!root)
        return nullptr;
    if (root->role() == role && namesOf(root).contains(name))
        return root;
    for (int i = 0; i < root->childCount(); ++i)
        if (QAccessibleInterface *found = findNamed(root->child(i), name, role))
            return found;
    return nullptr;
}

class LoudnessWindow : public RunFixture {};
} // namespace

TEST_F(LoudnessWindow, PreferencesReachTheNextRun)
{
    t.app->OnMenuPreferences();
    ASSERT_TRUE(t.app->windowPreferences);
    QAccessibleInterface *dialog = QAccessible::queryAccessibleInterface(t.app->windowPreferences.data());
    QAccessibleInterface *tags = findNamed(dialog, "Loudness tags:", QAccessible::ComboBox);
    QAccessibleInterface *normalize = findNamed(dialog, "Normalize loudness to", QAccessible::CheckBox);
    QAccessibleInterface *target = findNamed(dialog, "Normalize loudness to, in LUFS", QAccessible::SpinBox);
    QAccessibleInterface *ok = findNamed(dialog, "OK", QAccessible::Button);
    ASSERT_TRUE(tags && normalize && target && ok) << !tags << !normalize << !target << !ok;
    // None and off at first; the target waits, greyed, at -16.
    auto *combo = qobject_cast<QComboBox *>(tags->object());
    ASSERT_TRUE(combo);
    EXPECT_EQ(combo->currentText(), "None");
    EXPECT_EQ(combo->count(), 3);
    EXPECT_FALSE(normalize->state().checked);
    EXPECT_TRUE(target->state().disabled);
    EXPECT_EQ(target->valueInterface()->currentValue().toDouble(), -16.0);

    combo->setCurrentIndex(combo->findText("Album"));
    normalize->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(normalize->state().checked);
    EXPECT_FALSE(target->state().disabled);
    target->valueInterface()->setCurrentValue(-14.0);
    // A pressed button clicks after its animation.
    ok->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(QTest::qWaitFor([&] { return t.app->windowPreferences.isNull(); }, 5000));
    EXPECT_EQ(t.preferences.string(prefkeys::kLoudnessTags), "album");
    EXPECT_EQ(t.preferences.string(prefkeys::kNormalizeLoudness), "-14");

    // The next run converts with them.
    t.preferences.setString(prefkeys::kPauseBetweenFiles, "0");
    ASSERT_FALSE(addTone(t, in + "/a.wav", 3).isEmpty());
    ASSERT_TRUE(convertInto(t, out));
    const InputTags written = tagread::read(out + "/a.mp3");
    ASSERT_TRUE(written.readable);
    // Brought to about -14 LUFS, the file is 4 dB louder than the reference.
    const QStringList gain = written.tags.fields.value("REPLAYGAIN_TRACK_GAIN");
    ASSERT_EQ(gain.size(), 1);
    EXPECT_NEAR(gain.first().section(' ', 0, 0).toDouble(), -4.0, 1.0) << gain.first().toStdString();
    EXPECT_FALSE(written.tags.fields.contains("REPLAYGAIN_ALBUM_GAIN")) << "the tone has no album tag";
}

} // namespace quavero
