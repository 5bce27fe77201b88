#include "gui/patches/FileSorterAscending.h"

int FileSorterAscending::compareElements(const juce::File& a, const juce::File& b)
{
    const bool aIsFactory = a.getFileName() == "Factory";
    const bool bIsFactory = b.getFileName() == "Factory";
    // Two "Factory" items fall through to the path comparison: answering -1 for both orders would
    // break the strict weak ordering that the sort relies on, and std::sort may then run past the
    // end of the array.
    if (aIsFactory != bIsFactory)
        return aIsFactory ? -1 : 1;
    return a.getFullPathName().toLowerCase().compare(b.getFullPathName().toLowerCase());
}
