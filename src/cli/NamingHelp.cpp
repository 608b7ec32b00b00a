// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/NamingHelp.h"

#include "cli/CliText.h"

namespace quavero {

namespace cli {
QString namingHelp()
{
    return Text::tr("\n"
                    "Output names: without --name each output keeps its input's name.\n"
                    "      --name TEMPLATE     names each output from its input's tags, for\n"
                    "                          example '{albumartist}/{album}/{track:02} {title}'\n"
                    "Fields: {title} {artist} {album} {albumartist} (the artist when empty)\n"
                    "{track} {tracktotal} {disc} {disctotal} {year} {genre} {composer}, {name}\n"
                    "(the input's name) and {folder} (its folder below the folder given).\n"
                    "{track:02} pads with zeros; a part in [ ] is left out when a field in it is\n"
                    "empty; / makes folders, but a / in a tag never does: it and \\ : * ? \" < > |\n"
                    "become _. An input without a field used outside [ ] keeps its own name\n"
                    "({folder}/{name} with -r) and the summary says so. Outputs that get the same\n"
                    "name are numbered. An unknown field or an unbalanced [ or { is an error that\n"
                    "names its position.\n");
}
} // namespace cli

} // namespace quavero
