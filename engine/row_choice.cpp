#include "engine/row_choice.h"

bool ChoiceAllowed(SyncDirection direction, const FileEntry& entry, RowChoice choice)
{
    if (entry.heldBack)
        return false;
    // An undecided pair looks one-sided by its states, but has a file on each side.
    bool baseExists = entry.status != TargetOnly || entry.undecided;
    bool targetExists = entry.status != BaseOnly || entry.undecided;
    switch (choice) {
    case RowChoice::Down: return direction != Up && baseExists;
    case RowChoice::Up: return direction != Down && targetExists;
    case RowChoice::NoCopy: return true;
    default: return entry.choice != RowChoice::Automatic;
    }
}
