#pragma once

#include <juce_core/juce_core.h>

// Orders banks, folders and patches: the bank named "Factory" first, then by full path without
// regard to case. Usable as a juce::Array sort comparator.
class FileSorterAscending
{
public:
    static int compareElements(const juce::File& a, const juce::File& b);
};
