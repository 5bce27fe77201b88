#include "gui/patches/LoadSave.h"

#include "gui/patches/FileSorterAscending.h"
#include "gui/patches/LoadSaveLocations.h"

#include <climits>
#include <cmath>

namespace
{

const char* const PRESETS_SUB_PATH = "Audio/Presets/Zundor/Crenzel";
const char* const DEFAULT_PROGRAM_NAME = "It gets funkier";

juce::String getPatchWildcard()
{
    return juce::String("*.") + PATCH_EXTENSION;
}

// Splits "1.2.3" into "1" and "2.3"; a text without "." has an empty remainder.
void splitVersion(const juce::String version, juce::String& head, juce::String& rest)
{
    const int dot = version.indexOfChar('.');
    if (dot < 0)
    {
        head = version;
        rest = {};
    }
    else
    {
        head = version.substring(0, dot);
        rest = version.substring(dot + 1);
    }
}

bool isNumericComponent(const juce::String& component)
{
    return component.isNotEmpty() && component.containsOnly("0123456789");
}

// Compares two components as whole numbers of any length, so that long components cannot overflow.
int compareComponents(const juce::String& a, const juce::String& b)
{
    auto digits = [](const juce::String& c)
    {
        if (!isNumericComponent(c))
            return juce::String();
        int first = 0;
        while (first < c.length() && c[first] == '0')
            ++first;
        return c.substring(first);
    };
    const juce::String da = digits(a);
    const juce::String db = digits(b);
    if (da.length() != db.length())
        return da.length() < db.length() ? -1 : 1;
    const int c = da.compare(db);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

juce::String getStringProperty(const juce::var& document, const juce::Identifier& key)
{
    if (auto* object = document.getDynamicObject())
        if (object->hasProperty(key))
            return object->getProperty(key).toString();
    return {};
}

bool isNumber(const juce::var& value)
{
    return value.isInt() || value.isInt64() || value.isDouble();
}

// A MIDI learn destination: a control id written as decimal text (or, leniently, as a whole number).
bool readControlId(const juce::var& value, int& id)
{
    if (value.isString())
    {
        const juce::String text = value.toString().trim();
        if (!isNumericComponent(text) || text.length() > 9)
            return false;
        id = text.getIntValue();
        return true;
    }
    if (isNumber(value))
    {
        const double d = value;
        if (d != std::floor(d) || d < 0.0 || d > double(INT_MAX))
            return false;
        id = int(d);
        return true;
    }
    return false;
}

} // namespace

// ---- Folders ----------------------------------------------------------------------------------

juce::File LoadSave::getExistingDirectory(const juce::File& dir)
{
    if (!dir.isDirectory())
        dir.createDirectory();
    return dir;
}

juce::File LoadSave::getBankDirectory()
{
    return getExistingDirectory(LoadSaveLocations::getUserDataRoot().getChildFile(PRESETS_SUB_PATH));
}

juce::File LoadSave::getUserBankDirectory()
{
    return getExistingDirectory(getBankDirectory().getChildFile("User"));
}

juce::File LoadSave::getFactoryBankDirectory()
{
    return getExistingDirectory(getBankDirectory().getChildFile("Factory"));
}

juce::File LoadSave::getPresetsBankDirectory()
{
    return LoadSaveLocations::getCommonDataRoot().getChildFile(PRESETS_SUB_PATH);
}

juce::File LoadSave::getFactoryPresetsBankDirectory()
{
    return getPresetsBankDirectory().getChildFile("Factory");
}

bool LoadSave::isInstalled()
{
    return getPresetsBankDirectory().isDirectory();
}

bool LoadSave::isFactoryPreset(const juce::File& file)
{
    return file.isAChildOf(getFactoryBankDirectory());
}

// ---- Enumeration and programs -------------------------------------------------------------------

juce::Array<juce::File> LoadSave::getSortedChildren(const juce::Array<juce::File>& parents, bool patchFiles)
{
    const int what =
        (patchFiles ? juce::File::findFiles : juce::File::findDirectories) | juce::File::ignoreHiddenFiles;
    const juce::String wildcard = patchFiles ? getPatchWildcard() : juce::String("*");
    FileSorterAscending sorter;
    juce::Array<juce::File> result;
    for (const juce::File& parent : parents)
    {
        juce::Array<juce::File> children = parent.findChildFiles(what, false, wildcard);
        children.sort(sorter);
        result.addArray(children);
    }
    return result;
}

int LoadSave::getNumPatches()
{
    return getBankDirectory()
        .findChildFiles(juce::File::findFiles | juce::File::ignoreHiddenFiles, true, getPatchWildcard(),
                        juce::File::FollowSymlinks::noCycles)
        .size();
}

juce::Array<juce::File> LoadSave::getPatchFiles()
{
    const juce::Array<juce::File> banks = getSortedChildren({getBankDirectory()}, false);
    const juce::Array<juce::File> folders = getSortedChildren(banks, false);
    if (folders.isEmpty())
        return {juce::File()};
    return getSortedChildren(folders, true);
}

juce::File LoadSave::getPatchFile(int bank, int folder, int patch)
{
    juce::Array<juce::File> banks = getSortedChildren({getBankDirectory()}, false);
    if (banks.isEmpty())
        return {};
    if (bank >= 0)
        banks = {banks[juce::jmin(bank, banks.size() - 1)]};

    juce::Array<juce::File> folders = getSortedChildren(banks, false);
    if (folders.isEmpty())
        return {};
    if (folder >= 0)
        folders = {folders[juce::jmin(folder, folders.size() - 1)]};

    const juce::Array<juce::File> patches = getSortedChildren(folders, true);
    if (patch < 0 || patches.isEmpty())
        return {};
    return patches[juce::jmin(patch, patches.size() - 1)];
}

bool LoadSave::getDefaultProgramIndex(int& index)
{
    const juce::Array<juce::File> patches = getPatchFiles();
    for (int i = 0; i < patches.size(); ++i)
    {
        if (patches.getReference(i).getFileName().contains(DEFAULT_PROGRAM_NAME))
        {
            index = i;
            return true;
        }
    }
    return false;
}

// ---- Configuration ------------------------------------------------------------------------------

juce::File LoadSave::getConfigFile()
{
    return LoadSaveLocations::getConfigRoot().getChildFile("Zundor").getChildFile("Crenzel.config");
}

juce::var LoadSave::getConfigVar()
{
    const juce::File file = getConfigFile();
    if (!file.existsAsFile())
        return {};
    juce::var config = parseJsonFile(file);
    return config.getDynamicObject() != nullptr ? config : juce::var();
}

bool LoadSave::saveVarToConfig(const juce::var& config)
{
    if (config.getDynamicObject() == nullptr)
        return false;
    return writeJsonToFile(getConfigFile(), config, true);
}

juce::var LoadSave::getConfigForUpdate()
{
    juce::var config = getConfigVar();
    if (config.getDynamicObject() != nullptr)
        return config;

    // A damaged file is replaced by a fresh object, but its text is kept beside it first so that a
    // user can still recover the settings it held.
    const juce::File file = getConfigFile();
    if (file.existsAsFile() && file.getSize() > 0)
        file.copyFileTo(file.getSiblingFile(file.getFileName() + ".bak"));
    return juce::var(new juce::DynamicObject());
}

bool LoadSave::saveConfigProperty(const juce::Identifier& key, const juce::var& value)
{
    juce::var config = getConfigForUpdate();
    config.getDynamicObject()->setProperty(key, value);
    return saveVarToConfig(config);
}

juce::var LoadSave::getConfigProperty(const juce::Identifier& key)
{
    const juce::var config = getConfigVar();
    if (auto* object = config.getDynamicObject())
        if (object->hasProperty(key))
            return object->getProperty(key);
    return {};
}

bool LoadSave::readBool(const juce::var& value, bool defaultValue)
{
    if (value.isBool() || isNumber(value))
        return bool(value);
    return defaultValue;
}

bool LoadSave::saveVersionConfig()
{
    return saveConfigProperty("dsp_version", DSP_VERSION);
}

bool LoadSave::saveUpdateCheckConfig(bool checkForUpdates)
{
    return saveConfigProperty("check_for_updates", checkForUpdates);
}

bool LoadSave::saveAnimateWidgets(bool animate)
{
    return saveConfigProperty("animate_widgets", animate);
}

bool LoadSave::saveWindowSize(float scale)
{
    return saveConfigProperty("window_size", double(scale));
}

bool LoadSave::saveLayoutToConfig(const std::wstring& layout, wchar_t upKey, wchar_t downKey)
{
    auto* entry = new juce::DynamicObject();
    entry->setProperty("chromatic_layout", juce::String(layout.c_str()));
    entry->setProperty("octave_up", juce::String::charToString(juce::juce_wchar(upKey)));
    entry->setProperty("octave_down", juce::String::charToString(juce::juce_wchar(downKey)));
    return saveConfigProperty("keyboard_layout", juce::var(entry));
}

bool LoadSave::saveMidiMapToConfig(const MidiLearnMap& map)
{
    juce::Array<juce::var> sources;
    for (const auto& [source, destinations] : map)
    {
        juce::Array<juce::var> entries;
        for (const auto& [id, range] : destinations)
        {
            auto* entry = new juce::DynamicObject();
            entry->setProperty("destination", juce::String(id));
            entry->setProperty("min_range", range.first);
            entry->setProperty("max_range", range.second);
            entries.add(juce::var(entry));
        }
        auto* sourceEntry = new juce::DynamicObject();
        sourceEntry->setProperty("source", source);
        sourceEntry->setProperty("destinations", entries);
        sources.add(juce::var(sourceEntry));
    }
    return saveConfigProperty("midi_learn", sources);
}

bool LoadSave::loadMidiMapFromConfig(MidiLearnMap& map)
{
    const juce::var learn = getConfigProperty("midi_learn");
    if (learn.isVoid())
        return false;
    const juce::Array<juce::var>* sources = learn.getArray();
    if (sources == nullptr)
        return true;

    // Entries that are not what this code writes are skipped one by one rather than mapped to
    // control 0 or to a zero range.
    for (const juce::var& sourceEntry : *sources)
    {
        const juce::var sourceValue = sourceEntry["source"];
        const juce::Array<juce::var>* destinations = sourceEntry["destinations"].getArray();
        if (!isNumber(sourceValue) || destinations == nullptr)
            continue;
        // Sources are MIDI controller numbers; anything else (1e99 would not even fit an int) is
        // not ours.
        const double sourceNumber = sourceValue;
        if (!(sourceNumber >= 0.0 && sourceNumber <= 127.0) || sourceNumber != std::floor(sourceNumber))
            continue;
        const int source = int(sourceNumber);
        std::map<int, std::pair<double, double>>& targets = map[source];
        for (const juce::var& entry : *destinations)
        {
            int id = 0;
            const juce::var minValue = entry["min_range"];
            const juce::var maxValue = entry["max_range"];
            if (!readControlId(entry["destination"], id) || !isNumber(minValue) || !isNumber(maxValue))
                continue;
            targets[id] = {double(minValue), double(maxValue)};
        }
    }
    return true;
}

std::wstring LoadSave::getComputerKeyboardLayout()
{
    const juce::var layout = getConfigProperty("keyboard_layout");
    if (auto* object = layout.getDynamicObject())
        if (object->hasProperty("chromatic_layout"))
            return object->getProperty("chromatic_layout").toString().toWideCharPointer();
    return DEFAULT_KEYBOARD;
}

std::pair<wchar_t, wchar_t> LoadSave::getComputerKeyboardOctaveControls()
{
    const juce::var layout = getConfigProperty("keyboard_layout");
    if (layout.getDynamicObject() == nullptr)
        return {L'z', L'x'};
    auto firstChar = [&layout](const char* key) { return wchar_t(layout[key].toString()[0]); };
    return {firstChar("octave_down"), firstChar("octave_up")};
}

bool LoadSave::shouldCheckForUpdates()
{
    return readBool(getConfigProperty("check_for_updates"), true);
}

bool LoadSave::shouldAnimateWidgets()
{
    return readBool(getConfigProperty("animate_widgets"), true);
}

float LoadSave::loadWindowSize()
{
    // A scale that would give the editor no size at all is ignored.
    const juce::var value = getConfigProperty("window_size");
    if (isNumber(value))
    {
        const float scale = float(double(value));
        if (std::isfinite(scale) && scale > 0.0f)
            return scale;
    }
    return 1.0f;
}

// ---- Versions and links -------------------------------------------------------------------------

int LoadSave::compareVersionStrings(const juce::String& a, const juce::String& b)
{
    juce::String restA = a;
    juce::String restB = b;
    while (restA.isNotEmpty() || restB.isNotEmpty())
    {
        juce::String headA;
        juce::String headB;
        splitVersion(restA, headA, restA);
        splitVersion(restB, headB, restB);
        const int c = compareComponents(headA, headB);
        if (c != 0)
            return c;
    }
    return 0;
}

int LoadSave::getVersionNumber(const juce::String& version)
{
    long long total = 0;
    juce::String rest = version;
    while (rest.isNotEmpty() && total < INT_MAX)
    {
        const int k = rest.length() - rest.retainCharacters(".").length() - 1;
        juce::String head;
        splitVersion(rest, head, rest);
        float component = 0.0f;
        if (isNumericComponent(head))
            for (int i = 0; i < head.length(); ++i)
                component = component * 10.0f + float(head[i] - '0');
        const float term = component * std::pow(10.0f, float(k));
        // Saturate instead of converting an out-of-range float, which is undefined.
        total += (term < 2147483648.0f) ? (long long)term : (long long)INT_MAX;
    }
    return int(juce::jmin(total, (long long)INT_MAX));
}

bool LoadSave::wasUpgraded()
{
    const juce::var config = getConfigVar();
    auto* object = config.getDynamicObject();
    if (object == nullptr || !object->hasProperty("dsp_version"))
        return true;
    return compareVersionStrings(object->getProperty("dsp_version").toString(), DSP_VERSION) < 0;
}

juce::String LoadSave::getDownloadURL(const juce::String& version)
{
    return juce::String("https://zundor.audio/downloads/crenzel/Crenze-%1-%2-all-pro.%3")
        .replace("%1", juce::URL::addEscapeChars(version, true))
        .replace("%2", "macosx")
        .replace("%3", "pkg");
}

juce::String LoadSave::getForumURL(const juce::String& /*version*/)
{
    return "https://zundor.audio/support/crenzel";
}

juce::String LoadSave::getDocumentationURL()
{
    return "https://zundor.audio/downloads/crenzel/Crenzel-manual.pdf";
}

// ---- Patch documents ----------------------------------------------------------------------------

juce::String LoadSave::getAuthor(const juce::var& document)
{
    return getStringProperty(document, "author");
}

juce::String LoadSave::getInfo(const juce::var& document)
{
    return getStringProperty(document, "info");
}

bool LoadSave::setInfo(const juce::File& patch, const juce::String& info)
{
    juce::var document = parseJsonFile(patch);
    auto* object = document.getDynamicObject();
    if (object == nullptr)
        return false;
    object->setProperty("info", info);
    return writeJsonToFile(patch, document, false);
}

// ---- File helpers -------------------------------------------------------------------------------

juce::var LoadSave::parseJsonFile(const juce::File& file)
{
    if (!file.existsAsFile())
        return {};
    juce::var result;
    if (juce::JSON::parse(file.loadFileAsString(), result).failed())
        return {};
    return result;
}

bool LoadSave::writeJsonToFile(const juce::File& link, const juce::var& document, bool crlfLineEnds)
{
    // Renaming over a symbolic link would replace the link itself (a dotfile kept elsewhere, say),
    // so the text goes to what it points at.
    const juce::File file = link.isSymbolicLink() ? link.getLinkedTarget() : link;

    // The framework writes CR LF between lines; line breaks inside texts are escaped, so replacing
    // every CR LF only touches the layout.
    juce::String text = juce::JSON::toString(document, false, 15);
    if (!crlfLineEnds)
        text = text.replace("\r\n", "\n");

    if (!file.getParentDirectory().createDirectory().wasOk())
        return false;
    juce::TemporaryFile temp(file);
    {
        juce::FileOutputStream out(temp.getFile());
        if (!out.openedOk())
            return false;
        const bool written = out.write(text.toRawUTF8(), text.getNumBytesAsUTF8());
        out.flush();
        if (!written || out.getStatus().failed())
            return false;
    }
    return temp.overwriteTargetFileWithTemporary();
}
