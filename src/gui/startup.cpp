#include "gui/startup.h"

#include "gui/patches/FileSorterAscending.h"
#include "gui/patches/LoadSave.h"

#include <utility>
#include <vector>

namespace
{

juce::Array<juce::File> findPatchesBelow(const juce::File& folder)
{
    juce::Array<juce::File> patches =
        folder.findChildFiles(juce::File::findFiles | juce::File::ignoreHiddenFiles, true,
                              juce::String("*.") + PATCH_EXTENSION, juce::File::FollowSymlinks::noCycles);
    FileSorterAscending sorter;
    patches.sort(sorter);
    return patches;
}

} // namespace

bool Startup::doStartupChecks(const UpgradeFunction& upgrade, const std::function<void()>& loadConfiguration)
{
    fixPatchesFolder();
    if (LoadSave::wasUpgraded())
    {
        copyFactoryPatches();
        upgradeUserPatches(upgrade);
        LoadSave::saveVersionConfig();
        return true;
    }
    if (loadConfiguration)
        loadConfiguration();
    return false;
}

void Startup::fixPatchesFolder()
{
    LoadSave::getUserBankDirectory();
}

bool Startup::copyFactoryPatches()
{
    const juce::File source = LoadSave::getFactoryPresetsBankDirectory();
    if (!source.isDirectory())
        return false;

    // (installed file, path relative to the installed factory folder)
    std::vector<std::pair<juce::File, juce::String>> items;
    for (const juce::File& folder :
         source.findChildFiles(juce::File::findDirectories | juce::File::ignoreHiddenFiles, false, "*"))
        for (const juce::File& patch : findPatchesBelow(folder))
            items.emplace_back(patch, patch.getRelativePathFrom(source));
    const size_t nbrPatches = items.size();
    if (nbrPatches == 0)
        return false;
    for (const juce::File& file :
         source.findChildFiles(juce::File::findFiles | juce::File::ignoreHiddenFiles, false, "*"))
        items.emplace_back(file, file.getFileName());

    const juce::File bankDir = LoadSave::getBankDirectory();
    const juce::File target = bankDir.getChildFile("Factory");
    // Hidden names keep the transient folders out of every patch listing; leftovers of an
    // interrupted copy are stale by now.
    const juce::File staging = bankDir.getChildFile(".Factory-new");
    const juce::File old = bankDir.getChildFile(".Factory-old");
    staging.deleteRecursively();
    old.deleteRecursively();
    if (!staging.createDirectory().wasOk())
        return false;

    // Failures are ignored file by file.
    int nbrCopied = 0;
    for (size_t i = 0; i < items.size(); ++i)
    {
        const juce::File dest = staging.getChildFile(items[i].second);
        if (dest.getParentDirectory().createDirectory().wasOk() && items[i].first.copyFileTo(dest) &&
            i < nbrPatches)
            ++nbrCopied;
    }
    if (nbrCopied == 0)
    {
        staging.deleteRecursively();
        return false;
    }

    if (target.exists() && !target.moveFileTo(old))
    {
        staging.deleteRecursively();
        return false;
    }
    if (!staging.moveFileTo(target))
    {
        old.moveFileTo(target);
        staging.deleteRecursively();
        return false;
    }
    old.deleteRecursively();
    return true;
}

int Startup::upgradeUserPatches(const UpgradeFunction& upgrade)
{
    if (!upgrade)
        return 0;
    int nbrRewritten = 0;
    const juce::File bankDir = LoadSave::getBankDirectory();
    juce::Array<juce::File> banks =
        bankDir.findChildFiles(juce::File::findDirectories | juce::File::ignoreHiddenFiles, false, "*");
    FileSorterAscending sorter;
    banks.sort(sorter);
    for (const juce::File& bank : banks)
    {
        const juce::Array<juce::File> patches = findPatchesBelow(bank);
        // A bank laid out other than bank / folder / patch is not ours to rewrite.
        if (patches.isEmpty() || patches.getFirst().getParentDirectory().getParentDirectory() != bank)
            continue;
        for (const juce::File& patch : patches)
        {
            juce::var document = LoadSave::parseJsonFile(patch);
            auto* object = document.getDynamicObject();
            if (object != nullptr && upgrade(object) && LoadSave::writeJsonToFile(patch, document, false))
                ++nbrRewritten;
        }
    }
    return nbrRewritten;
}

bool Startup::isFirstStartup()
{
    return !LoadSave::getConfigFile().existsAsFile();
}
