// SPDX-License-Identifier: GPL-3.0-or-later
// The example Preferences shows under the name template: the name it gives,
// why a file keeps its own name, or what is wrong with the template.
#include "QtPrinters.h"
#include "naming/core/TemplateExample.h"

#include <gtest/gtest.h>

namespace quavero {

TEST(TemplateExample, ShowsTheNameTheFallbackOrTheMistake)
{
    const naming::NameFields sample = naming::sampleFields();
    EXPECT_EQ(naming::exampleFor("", sample, ".flac").text, "Each output keeps its input's name: track01.flac");
    EXPECT_EQ(naming::exampleFor("{albumartist}/[{disc}-]{track:02} {title} ({year})", sample, ".mp3").text,
              "Example: Band A/1-01 Opening (2019).mp3");

    TagSet tags;
    tags.fields = {{"TITLE", {"Intro"}}};
    const naming::NameFields file = naming::fieldsFrom(tags, "01 intro", "CD 1");
    const TemplateExample fellBack = naming::exampleFor("{album}/{title}", file, ".ogg");
    EXPECT_TRUE(fellBack.usable);
    EXPECT_EQ(fellBack.text, "Example: CD 1/01 intro.ogg\nnamed after the input: it has no {album}");

    const TemplateExample wrong = naming::exampleFor("{artist}/{titel}", sample, ".mp3");
    EXPECT_FALSE(wrong.usable);
    EXPECT_TRUE(wrong.text.contains("{titel}")) << wrong.text.toStdString();
    EXPECT_TRUE(wrong.text.contains("position 10")) << wrong.text.toStdString();
    EXPECT_FALSE(naming::exampleFor("[{disc}-{track}", sample, ".mp3").usable);
}

} // namespace quavero
