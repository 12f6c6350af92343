#include "design_document.h"

#include <utility>

namespace corvane::board {

DesignDocument::DesignDocument(
    const Design& design, NoteNaming naming, TemperamentNaming nameTemperament)
    : naming_(naming)
    , nameTemperament_(std::move(nameTemperament))
    , layout_(Computed(design))
{
}

BoardLayout DesignDocument::Computed(const Design& design) const
{
    BoardLayout layout = *ComputeLayout(design, naming_).layout;
    if (nameTemperament_)
        layout.temperament.name = nameTemperament_(layout.temperament.name);
    return layout;
}

bool DesignDocument::Propose(const Design& next)
{
    LayoutResult computed = ComputeLayout(next, naming_);
    if (!computed.layout) {
        problem_ = std::move(computed.error);
        Tell(Change::Refused);
        return false;
    }
    problem_.reset();
    const bool changed = next != design();
    layout_ = std::move(*computed.layout);
    if (nameTemperament_)
        layout_.temperament.name = nameTemperament_(layout_.temperament.name);
    modified_ = modified_ || changed;
    Tell(Change::Edited);
    return true;
}

void DesignDocument::Renew(const Design& design)
{
    layout_ = Computed(design);
    problem_.reset();
    modified_ = false;
    path_.clear();
    stamp_.reset();
    Tell(Change::Replaced);
}

std::optional<DesignError> DesignDocument::Open(const std::string& path)
{
    DesignReadResult read = LoadDesign(path);
    if (!read.design)
        return std::move(read.error);
    layout_ = Computed(*read.design);
    problem_.reset();
    modified_ = false;
    path_ = path;
    stamp_ = files::StampOf(path);
    Tell(Change::Replaced);
    return std::nullopt;
}

std::optional<SaveProblem> DesignDocument::Save(const std::string& path)
{
    if (auto problem = SaveDesign(design(), path))
        return problem;
    modified_ = false;
    path_ = path;
    stamp_ = files::StampOf(path);
    Tell(Change::Saved);
    return std::nullopt;
}

bool DesignDocument::ChangedOnDisk(const std::string& path) const
{
    if (path_.empty() || path != path_)
        return false;
    const auto now = files::StampOf(path);
    return now && now != stamp_;
}

void DesignDocument::Subscribe(Listener listener)
{
    listeners_.push_back(std::move(listener));
}

void DesignDocument::Tell(Change change)
{
    for (const Listener& listener : listeners_)
        listener(change);
}

} // namespace corvane::board
