#pragma once

// Every option of corvane-frets, once: its name, what it takes, whether the
// classic table reads it too, the design fields it sets, and its help. The
// reader, the usage line and the help are built from here; a design number
// gets its range and default from the field table.

#include <span>
#include <string_view>

namespace corvane::cli {

// How a value given to an option that sets design numbers is split among
// its fields.
enum class ValueSplit {
    One, // one value for every field ("--length 650": bass and treble)
    OneOrPair, // "B" for both fields, or "B:T" (setbacks)
    Pair, // "B:C", one value each (the action)
};

enum class OptionGroup { Table, Temperament, Board, Strings, Files, Cut, Router };

struct CommandOption {
    std::string_view name; // "--nut-width"
    std::string_view value; // what it takes, for the help ("W"); empty for a flag
    bool classic; // the classic table takes it as well
    OptionGroup group;
    // The design fields it sets (design file keys): numbers of the field
    // table, read by their quantity, or others it reads in its own way; a
    // problem with one of them is named by the option.
    std::string_view fields[2];
    ValueSplit split;
    // Its help in French, translated like every text of the command; empty
    // for a design number, whose name, default and range say it.
    const char* help;
};

std::span<const CommandOption> CommandOptions() noexcept;
const CommandOption* FindCommandOption(std::string_view name) noexcept;

} // namespace corvane::cli
