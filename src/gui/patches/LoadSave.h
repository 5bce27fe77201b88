#pragma once

#include <juce_core/juce_core.h>

#include <map>
#include <string>
#include <utility>

inline constexpr char PATCH_EXTENSION[] = "fpx";
inline constexpr char PATCH_IMAGE_EXTENSION[] = "png";
inline constexpr char README_FILE_EXTENSION[] = "txt";
inline constexpr wchar_t DEFAULT_KEYBOARD[] = L"awsedftgyhujkolp;'";

// MIDI learn assignments: MIDI source -> control id -> (minimum, maximum), both in ascending order.
using MidiLearnMap = std::map<int, std::map<int, std::pair<double, double>>>;

// The texts kept beside the engine state: "author", "info", "patch_name", "folder_name" and
// "Macro 1" to "Macro 4".
using SaveInfoMap = std::map<std::string, juce::String>;

class DspInterface;

// Where patches and settings live, how patches are numbered, the configuration file, the version
// arithmetic and the web links. Nothing is cached: every call reads the disk again. Nothing throws;
// file errors leave files as they were.
class LoadSave
{
public:
    // Version of the patch and settings format, written as "dsp_version".
    static constexpr const char* DSP_VERSION = "1.0.0";

    // ---- Folders ----------------------------------------------------------------------------
    // The user's bank folder and its "User" and "Factory" banks, created when missing.
    static juce::File getBankDirectory();
    static juce::File getUserBankDirectory();
    static juce::File getFactoryBankDirectory();
    // The installed (all-users) copies; never created.
    static juce::File getPresetsBankDirectory();
    static juce::File getFactoryPresetsBankDirectory();
    static bool isInstalled();
    // True when the file lies anywhere below the user's factory bank.
    static bool isFactoryPreset(const juce::File& file);

    // ---- Enumeration and programs -----------------------------------------------------------
    // Patch files anywhere below the bank folder.
    static int getNumPatches();
    // Every patch of every folder of every bank, in program order; one empty file when there is
    // no bank or no folder.
    static juce::Array<juce::File> getPatchFiles();
    // A negative bank or folder means all of them; indices past the end take the last item. An
    // empty level gives an empty file.
    static juce::File getPatchFile(int bank, int folder, int patch);
    // Sets index to the program number of the default patch and returns true when there is one;
    // otherwise leaves index alone.
    static bool getDefaultProgramIndex(int& index);

    // ---- Configuration ----------------------------------------------------------------------
    static juce::File getConfigFile();
    // The configuration object, or a void value when the file is missing, unreadable or not a
    // JSON object.
    static juce::var getConfigVar();
    // Replaces the configuration with an object (anything else is refused). The text goes to a
    // temporary file beside it that then replaces it, so a crash never leaves half a file.
    static bool saveVarToConfig(const juce::var& config);
    static bool saveVersionConfig();
    static bool saveUpdateCheckConfig(bool checkForUpdates);
    static bool saveAnimateWidgets(bool animate);
    static bool saveWindowSize(float scale);
    // "keyboard_layout": the chromatic layout and the octave keys.
    static bool saveLayoutToConfig(const std::wstring& layout, wchar_t upKey, wchar_t downKey);
    // Replaces "midi_learn" with the whole map.
    static bool saveMidiMapToConfig(const MidiLearnMap& map);
    // Adds every assignment listed in "midi_learn" to map (later entries replace the range of an
    // existing pair). Returns whether the configuration has "midi_learn".
    static bool loadMidiMapFromConfig(MidiLearnMap& map);
    static std::wstring getComputerKeyboardLayout();
    // (down key, up key); 0 for a key that the layout entry lacks.
    static std::pair<wchar_t, wchar_t> getComputerKeyboardOctaveControls();
    static bool shouldCheckForUpdates();
    static bool shouldAnimateWidgets();
    static float loadWindowSize();

    // ---- Versions and links -----------------------------------------------------------------
    // -1, 0 or 1; components compare as whole numbers, one holding anything but digits as 0.
    static int compareVersionStrings(const juce::String& a, const juce::String& b);
    // The number that the download link uses: 1.2.3 gives 123.
    static int getVersionNumber(const juce::String& version);
    // True after a first start, a version change, or while the configuration is not readable.
    static bool wasUpgraded();
    static juce::String getDownloadURL(const juce::String& version);
    static juce::String getForumURL(const juce::String& version);
    static juce::String getDocumentationURL();

    // ---- Patch documents --------------------------------------------------------------------
    // The "author" / "info" text; empty when the document is not an object or lacks the key.
    static juce::String getAuthor(const juce::var& document);
    static juce::String getInfo(const juce::var& document);
    // Rewrites a patch file with a new "info" (LF line ends); a file that does not parse as a JSON
    // object is left alone.
    static bool setInfo(const juce::File& patch, const juce::String& info);

    // The whole sound as one document: names, every control in ascending id, the connections.
    // The lock is not taken: every value read is either atomic or the caller's thread's own.
    static juce::var stateToVar(DspInterface* dsp, SaveInfoMap& saveInfo, const juce::CriticalSection& lock);
    // Applies a document. Anything but an object changes nothing; inside one, bad entries are
    // skipped, values are limited to their ranges and the rest still applies. The connection
    // changes are queued: the audio thread applies them at its next block.
    static void varToState(DspInterface* dsp, SaveInfoMap& saveInfo, const juce::var& document,
                           bool restoreGlobals);
    static void loadMacros(DspInterface* dsp, const juce::Array<juce::var>* macros);
    static void loadModulations(DspInterface* dsp, const juce::Array<juce::var>* modulations);
    static void loadControls(DspInterface* dsp, const juce::NamedValueSet& settings, bool restoreGlobals);
    static void loadSaveState(SaveInfoMap& saveInfo, const juce::NamedValueSet& document);
    // Brings an old document to the current version; true when it changed it.
    static bool upgrade_settings(DspInterface* dsp, juce::DynamicObject* document);
    // Loads a patch by position (negative bank or folder: all of them) without the global
    // settings, and names it after its file and folder. Returns the file (empty when none).
    static juce::File loadPatch(int bank, int folder, int patch, DspInterface* dsp, SaveInfoMap& saveInfo);

    // A number from a JSON value: numbers, booleans, and texts that hold exactly one finite
    // number. False for anything else, NaN and infinities included.
    static bool readNumber(const juce::var& value, double& result);

    // ---- File helpers -----------------------------------------------------------------------
    // The parsed content of a file, or a void value when it is missing or not valid JSON.
    static juce::var parseJsonFile(const juce::File& file);
    // Writes the document as indented JSON (numbers with at most 15 decimal places) with CR LF or
    // LF line ends, through a temporary file beside the target, creating its folder when missing.
    static bool writeJsonToFile(const juce::File& file, const juce::var& document, bool crlfLineEnds);

private:
    // Sorted child folders (or patch files) of each parent, concatenated in the parents' order.
    static juce::Array<juce::File> getSortedChildren(const juce::Array<juce::File>& parents, bool patchFiles);
    static juce::File getExistingDirectory(const juce::File& dir);
    // The configuration to modify: the current object, or a fresh one.
    static juce::var getConfigForUpdate();
    static bool saveConfigProperty(const juce::Identifier& key, const juce::var& value);
    static juce::var getConfigProperty(const juce::Identifier& key);
    static bool readBool(const juce::var& value, bool defaultValue);
};
