#pragma once

// The design a front end works on, as a document: the design itself (its
// strings, cut options and router values included), the layout the engine
// computed from it, the file it came from and how that file stood on the
// disk, and whether it changed since. Edits go in as proposed designs; a
// change notice comes out, and the views redraw from the document: none
// keeps a design of its own.

#include "design.h"
#include "design_file.h"
#include "layout.h"
#include "read_file.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace corvane::board {

class DesignDocument {
public:
    enum class Change {
        Edited, // a proposed design was taken
        Refused, // a proposed design could not be used: problem() says why
        Replaced, // a new design, or one opened
        Saved, // written to its file
    };
    using Listener = std::function<void(Change)>;

    // How a front end names a temperament the engine named ("just-12"): its
    // layouts carry that name.
    using TemperamentNaming = std::function<std::string(const std::string& engineName)>;

    // A new document holding the design, which must be valid; its notes named
    // as `naming` says.
    explicit DesignDocument(const Design& design = {}, NoteNaming naming = NoteNaming::Solfege,
        TemperamentNaming nameTemperament = {});

    const Design& design() const noexcept { return layout_.design; }
    // The layout of the design (the last one proposed that the engine could use).
    const BoardLayout& layout() const noexcept { return layout_; }
    // Why the last design proposed was refused, until one is taken.
    const std::optional<DesignError>& problem() const noexcept { return problem_; }
    bool modified() const noexcept { return modified_; }
    // The file it was opened from or saved to; empty for a new design.
    const std::string& path() const noexcept { return path_; }

    // A design edited: taken when the engine can use it (modified, layout
    // computed), refused otherwise (the document unchanged). True when taken.
    bool Propose(const Design& next);
    template <typename Change> bool Edit(Change&& change)
    {
        Design next = design();
        change(next);
        return Propose(next);
    }

    // A new design, not modified and with no file.
    void Renew(const Design& design);
    // Opens a design file; on failure nothing changes and the error says why.
    std::optional<DesignError> Open(const std::string& path);
    // Writes the design to the file, whole or not at all, and makes it the
    // document's file.
    std::optional<SaveProblem> Save(const std::string& path);
    // Whether `path`, the document's own file, was written over by anyone
    // else since the document opened or saved it.
    bool ChangedOnDisk(const std::string& path) const;

    void Subscribe(Listener listener);

private:
    void Tell(Change change);
    BoardLayout Computed(const Design& design) const;

    NoteNaming naming_;
    TemperamentNaming nameTemperament_;
    BoardLayout layout_;
    std::optional<DesignError> problem_;
    bool modified_ = false;
    std::string path_;
    std::optional<files::FileStamp> stamp_;
    std::vector<Listener> listeners_;
};

} // namespace corvane::board
