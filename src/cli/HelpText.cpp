// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/HelpText.h"

#include "app/core/AboutText.h"
#include "app/engine/ProgramVersions.h"
#include "platform/core/BundledPrograms.h"

#include "cli/CliText.h"
#include "cli/CommandLine.h"
#include "cli/ExitStatus.h"
#include "cli/NamingHelp.h"
#include "cli/TextWrap.h"
#include "formats/core/FormatTable.h"

#include <QCoreApplication>

namespace quavero {

namespace cli {
namespace {
// The input extensions that name no output format.
QStringList inputOnlyNames()
{
    QStringList names = formats::acceptedExtensions();
    for (const QString &format : formatNames())
        names.removeAll(format);
    return names;
}
} // namespace

QString helpText(int processors)
{
    constexpr int kOptionIndent = 24;
    return Text::tr("Usage: quavero-cli [OPTIONS] INPUT...\n"
                    "Converts audio files into one output format with ffmpeg (and sox for the\n"
                    "speed, gain, treble and bass effects): one output file per input, named\n"
                    "after it, in the output folder.\n"
                    "\n"
                    "An INPUT is an audio file or a folder. A folder adds the audio files\n"
                    "directly in it, in name order (see Inputs below); with -r the files of its\n"
                    "subfolders too.\n"
                    "\n"
                    "Options:\n"
                    "  -f, --format FMT      the output format (default mp3), one of: %1\n"
                    "                        (any letter case, with or without the dot: .MP3)\n"
                    "  -o, --output-dir DIR  the folder the converted files go to, created if\n"
                    "                        missing (required)\n"
                    "      --set NAME=VALUE  sets one option of the output format; repeatable.\n"
                    "                        VALUE is a label of the options dialog, letter case\n"
                    "                        and spaces forgiven (channels=stereo, quality=0);\n"
                    "                        speed takes a factor (1.25), gain, treble and bass\n"
                    "                        whole decibels (-6). Options not set keep their\n"
                    "                        defaults. --list-formats shows every NAME and VALUE\n"
                    "  -j, --jobs N          how many files convert at once (default: one per\n"
                    "                        processor, %2 here)\n"
                    "  -r, --recursive       a folder INPUT adds the files of its subfolders too;\n"
                    "                        their outputs go to the same subfolders below the\n"
                    "                        output folder, created when missing\n"
                    "      --flat            with -r, puts every output straight into the output\n"
                    "                        folder instead of its subfolder\n"
                    "  -n, --dry-run         prints each ffmpeg and sox command that would run,\n"
                    "                        one per line, quoted for a POSIX shell, and converts\n"
                    "                        nothing\n"
                    "  -q, --quiet           prints no progress and no summary; failures are\n"
                    "                        still reported\n"
                    "  -v, --verbose         for each file that could not be converted, also\n"
                    "                        prints the ffmpeg and sox commands that ran and the\n"
                    "                        last 20 lines of their output\n"
                    "      --list-formats    prints each format with its options, their NAMEs,\n"
                    "                        every accepted VALUE and the default (*)\n"
                    "  -h, --help            prints this help\n"
                    "      --version         prints the version\n"
                    "\n"
                    "An existing output file is replaced; an input file never is (such a file is\n"
                    "reported as failed). No output of a run replaces another output of the same\n"
                    "run: of inputs that would be written to the same output file (a.wav and\n"
                    "a.flac to mp3), the first in the order given gets the name (a.mp3), the\n"
                    "others a numbered one (a (2).mp3, a (3).mp3) that no file has yet, and the\n"
                    "summary names each of them.\n"
                    "\n"
                    "Exit status:\n"
                    "  %3    every file was converted\n"
                    "  %4    at least one file could not be converted (each is listed with the\n"
                    "       reason; the others are converted), or nothing could start: ffmpeg\n"
                    "       or sox missing, an output folder that cannot be made\n"
                    "  %5    the command line is wrong, or asks for an option value the format\n"
                    "       cannot be written with (mp3 at 96000 Hz); nothing was converted\n"
                    "  %6  stopped by Ctrl-C: the running conversions are ended, their partial\n"
                    "       files removed, and the files already converted kept. 130 is 128 plus\n"
                    "       the number of the interrupt signal, what a shell reports for a\n"
                    "       command ended by Ctrl-C, so a script can tell a stop from failed\n"
                    "       files and stop too (143 likewise when stopped by SIGTERM).\n")
               .arg(wrappedList(formatNames(), 64, kOptionIndent))
               .arg(processors)
               .arg(int(ExitStatus::Converted))
               .arg(int(ExitStatus::SomeFailed))
               .arg(int(ExitStatus::UsageError))
               .arg(int(ExitStatus::Interrupted)) +
           Text::tr("\n"
                    "Inputs: files whose extension, in any letter case, is a format name above\n"
                    "or one of these:\n"
                    "  %1\n"
                    "A film gives its first audio stream, never its video.\n"
                    "\n"
                    "Sample rate, channels and sample size: unless --set says otherwise, each\n"
                    "output keeps its input's (\"Same as input\"), within what the format takes\n"
                    "(mp3 at most 2 channels and 48000 Hz, amr 8000 Hz mono, opus 48000 Hz); a\n"
                    "lossy input's wav is 16-bit.\n")
               .arg(wrappedList(inputOnlyNames(), 2, 2)) +
           Text::tr("\n"
                    "Tags: the text tags and the pictures of each input are copied into its\n"
                    "output (the input is only read); --no-tags copies none.\n"
                    "  mp3              ID3v2.4 tags with every picture\n"
                    "  flac, ogg, spx,  Vorbis comments with every picture\n"
                    "  opus\n"
                    "  m4a              MP4 tags; JPEG, PNG, GIF, BMP pictures in \"covr\"\n"
                    "  wma              ASF attributes with every picture (WM/Picture)\n"
                    "  wav              a RIFF INFO list and an ID3v2 chunk with every picture\n"
                    "  aifc, aiff, aif  an ID3v2 chunk with every picture\n"
                    "  caf, au          the text tags ffmpeg copies\n"
                    "  ac3, amr, raw    none: these formats hold no tags\n"
                    "A picture an output cannot take is left out; the summary names the file\n"
                    "with the reason, and it still counts as converted.\n") +
           namingHelp() +
           Text::tr("\n"
                    "Presets: a preset is a name for a format with its options (the effects\n"
                    "among them) and the run settings (tags, folders kept or flat). They live in\n"
                    "the desktop program's settings file, so both programs have the same ones.\n"
                    "      --preset NAME       uses the preset: its format, and every option of\n"
                    "                          that format as the preset sets it or, where it\n"
                    "                          sets none, as the default. Options given after it\n"
                    "                          override it. NAME may leave out the remark in\n"
                    "                          brackets (--preset phone)\n"
                    "      --save-preset NAME  saves the format and the options given on the same\n"
                    "                          line as a preset, replacing a saved one of that\n"
                    "                          name, and converts nothing\n"
                    "      --list-presets      prints every preset with what it holds\n") +
           Text::tr("\n"
                    "Keeping a converted library in step: every output is written under a hidden\n"
                    "temporary name beside its final one and renamed only when it is complete,\n"
                    "tagged and on the disk, so a stopped or failed conversion never leaves a\n"
                    "cut-off file, and an older output of that name stays as it was.\n"
                    "  -u, --update            converts only what changed: an input whose output\n"
                    "                          was made from it as it is now, with the same\n"
                    "                          format and options, is skipped as up to date\n"
                    "      --delete-orphans    removes the outputs the record lists whose input\n"
                    "                          is no longer among the inputs; never a file the\n"
                    "                          record does not list, nor one changed since\n"
                    "      --copy-same-format  copies an input that already is in the output\n"
                    "                          format instead of encoding it again, unless an\n"
                    "                          effect is set\n"
                    "The record is the file .quavero-library.db in the output folder, kept by -u\n"
                    "and --delete-orphans. Without one, -u skips an output newer than its input.\n"
                    "-n lists what would be copied and removed on lines starting with #.\n") +
           Text::tr("\n"
                    "Job lists: a run planned here and carried out by workers elsewhere, for\n"
                    "GNU parallel or a Slurm job array. A job list holds the format, its\n"
                    "options and each file's input and output, never a command: a worker\n"
                    "builds the ffmpeg and sox commands itself.\n"
                    "      --plan FILE         plans the run the other options and INPUTs ask for\n"
                    "                          and writes it to FILE as a job list, one job per\n"
                    "                          file; converts nothing\n"
                    "      --from-plan FILE    runs jobs of the list FILE: --index N runs job N\n"
                    "                          (from 0), --chunk K/C the K-th of C equal slices\n"
                    "                          (K from 0), -j N of them at once. A job done\n"
                    "                          before whose output is still there is skipped.\n"
                    "                          Each job's result goes to FILE.results/N.json\n"
                    "      --in-root DIR,\n"
                    "      --out-root DIR      where this machine finds the list's input and\n"
                    "                          output folders, when not where the list says\n"
                    "      --report FILE       sums up the results of the list's jobs; with\n"
                    "                          --failed, prints the number of each job not done\n"
                    "                          (failed, or without a result), one a line; with\n"
                    "                          -u, notes each job done in the output folder's\n"
                    "                          library record (--plan -u leaves out what it\n"
                    "                          finds up to date)\n"
                    "      --list-jobs FILE    prints each job's number, input and output\n"
                    "                          (relative to the list's folders), each ended by a\n"
                    "                          NUL, for parallel -0 -N3 --transferfile\n"
                    "With --from-plan and --report the exit status is 0 when every job is done\n"
                    "(or skipped), 1 when one failed or has no result, and 2 when the list\n"
                    "cannot be used (another version's, a job that is not there, a line this\n"
                    "version does not know); nothing is run then.\n") +
           Text::tr("\n"
                    "Even loudness (ITU-R BS.1770 / EBU R128), measured from the audio the\n"
                    "conversion decodes:\n"
                    "      --replaygain MODE   writes loudness tags: track (each file's gain and\n"
                    "                          peak, to -18 LUFS; Opus: R128 gains to -23 LUFS) or\n"
                    "                          album (also the album's, from all the files of a\n"
                    "                          run that share an album tag and a folder); none\n"
                    "                          writes none (the default). Formats without tags\n"
                    "                          get none, and the summary says so\n"
                    "      --normalize LUFS    measures each file first, then converts it with one\n"
                    "                          gain to LUFS (-70 to 0, for example -16 or\n"
                    "                          --normalize=-23), held back where the true peak\n"
                    "                          would pass -1 dBTP; the summary says how far such a\n"
                    "                          file got. A file under 0.4 s or silent gets no tags\n"
                    "                          and no gain, and a warning.\n") +
           Text::tr("\n"
                    "Album images: an INPUT (or a file in a folder INPUT) ending in .cue is a CUE\n"
                    "sheet. Each of its tracks is converted to a file of its own, named \"NN\n"
                    "Title\" from the sheet, cut sample for sample from the image the sheet names\n"
                    "(the pregap before a track stays with the track before it); the image itself\n"
                    "is not converted again when its sheet is among the inputs. A FLAC image that\n"
                    "holds its sheet (a CUESHEET tag or cue sheet block) is split the same way.\n"
                    "The sheet's titles, performers, album, date and genre, and the track's place,\n"
                    "go over the image's own tags and pictures in every track. A sheet that names\n"
                    "a file that is not there, or that cannot be read, fails with the reason.\n");
}

QString versionText()
{
    // The same lines as the desktop program's Help > About Quavero.
    return about::versionText(QStringLiteral("quavero-cli"), QStringLiteral(QUAVERO_VERSION),
                              programversions::ffmpeg(bundled::programPath(QStringLiteral("ffmpeg"))),
                              programversions::sox(bundled::programPath(QStringLiteral("sox"))));
}
} // namespace cli

} // namespace quavero
