#include "cli/usage.h"

#include <iostream>

#include "cli/exit_codes.h"

namespace mirelta::cli {

void PrintUsage(std::ostream& out, std::span<const Command* const> commands) {
    out << "usage: mirelta-cli --help | --version\n";
    for (const Command* command : commands) {
        out << "       " << command->usage << '\n';
    }
}

void PrintHelp(std::ostream& out, std::span<const Command* const> commands) {
    out << "mirelta-cli: lists, dumps and renders the saved measurements of a satellite "
           "meter's .dat file.\n\n";
    PrintUsage(out, commands);
    out << R"(
list FILE [--json]
  The Find, Constellation and Spectrum lists in list order: kind, list index,
  the file slot the record came from, and its label (decoded from GBK to UTF-8).
  --json  {"find":[{"index":0,"slot":3,"label":"..."}],"constellation":[...],"spectrum":[...]}

dump FILE [--json|--csv]
  Every field of every listed record, raw values next to the texts the meter
  shows (LNB name and LO values, FEC, modulation, C/N, BER, percentages).
  --json  one object with "find", "constellation" and "spectrum" arrays; spectrum
          records carry "levels" (150 values), constellation records carry
          "samples": 1000 {"iRaw","qRaw","i","q"} pairs, raw saved bytes read signed
          and the values they stand for (a byte of 64..127 means value - 128).
  --csv   three sections, find, constellation and spectrum, separated by one blank
          line; each starts with its own header row and every row starts with a
          "kind" column. Spectrum rows end with level0..level149, constellation rows
          with i0..i999 and q0..q999 as decoded values (the raw bytes are in --json).

describe FILE --screen S [--record N] [--language en|fr] [--ref-bottom DB] [--cursor X,Y]
  Runs the main window's own steps without a window: open FILE, choose the
  language (only when --language is given), choose screen S (find,
  constellation or spectrum) in the UI list, pick entry N of its record list,
  move the spectrum reference window to bottom DB (a
  multiple of 5 from 0 to 70; spectrum only), move the pointer to X,Y and repaint,
  then one tick of the read-out timer. Prints that state as JSON: screen mode,
  language, title, drawing flag, reference window, FreqStep, cursor, tool-tip,
  messages and every control (id, kind, visible, enabled, rect as left, top,
  right, bottom client pixels, text in UTF-8, alignment).

render FILE --screen S -o OUT.png|OUT.bmp [options of describe] [--depth 16|24|32]
  Writes the 720 x 480 replica of the same state: PNG by the .png extension,
  otherwise BMP at --depth bits (default 32).

export-all FILE -d DIR [--format bmp|png] [--language en|fr] [--depth 16|24|32]
  One picture per listed record of each kind, named like find-00-<label>.png,
  into DIR (created if needed). Progress on stderr when it is a terminal; a
  summary on stdout. A file that cannot be written is reported and never left
  half-written; the exit code is then 5.

A file whose signature is wrong is read as an empty memory: it lists nothing.

Exit codes:
  0  success
  2  bad usage (the usage goes to stderr)
  3  the file cannot be opened ("Open false! FILE" on stderr)
  4  the file is shorter than 42652 bytes ("Read file error! FILE" on stderr)
  5  a picture could not be written (the reason on stderr)
)";
}

int UsageError(const Command& command, const std::string& message) {
    std::cerr << "mirelta-cli: " << message << "\nusage: " << command.usage << '\n';
    return kExitUsage;
}

}  // namespace mirelta::cli
