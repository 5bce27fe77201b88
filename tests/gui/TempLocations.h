#pragma once

#include <juce_core/juce_core.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace crenzel_test
{

// Sets environment variables for its lifetime; the destructor restores what was there before.
class ScopedEnvironment
{
public:
    ScopedEnvironment() = default;
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

    ~ScopedEnvironment()
    {
        for (auto it = saved.rbegin(); it != saved.rend(); ++it)
        {
            if (it->wasSet)
                ::setenv(it->name.c_str(), it->value.c_str(), 1);
            else
                ::unsetenv(it->name.c_str());
        }
    }

    void set(const char* name, const juce::String& value)
    {
        remember(name);
        ::setenv(name, value.toRawUTF8(), 1);
    }

    void unset(const char* name)
    {
        remember(name);
        ::unsetenv(name);
    }

private:
    struct Saved
    {
        std::string name;
        bool wasSet;
        std::string value;
    };

    void remember(const char* name)
    {
        const char* old = std::getenv(name);
        saved.push_back({name, old != nullptr, old != nullptr ? old : ""});
    }

    std::vector<Saved> saved;
};

// A fresh temporary folder holding the user data, common data and configuration roots, with the
// three redirection variables pointing into it; everything is deleted afterwards.
class TempLocations
{
public:
    TempLocations()
        : root(juce::File::getSpecialLocation(juce::File::tempDirectory)
                   .getNonexistentChildFile(
                       "crenzel-test-" + juce::String::toHexString(juce::Random().nextInt64()), "", false)),
          userData(root.getChildFile("user")), commonData(root.getChildFile("common")),
          config(root.getChildFile("config"))
    {
        root.createDirectory();
        env.set("CRENZEL_USER_DATA_DIR", userData.getFullPathName());
        env.set("CRENZEL_COMMON_DATA_DIR", commonData.getFullPathName());
        env.set("CRENZEL_CONFIG_DIR", config.getFullPathName());
    }

    TempLocations(const TempLocations&) = delete;
    TempLocations& operator=(const TempLocations&) = delete;

    ~TempLocations() { root.deleteRecursively(); }

    juce::File bankFolder() const { return userData.getChildFile("Audio/Presets/Zundor/Crenzel"); }
    juce::File installedFolder() const { return commonData.getChildFile("Audio/Presets/Zundor/Crenzel"); }
    juce::File installedFactory() const { return installedFolder().getChildFile("Factory"); }
    juce::File configFile() const { return config.getChildFile("Zundor/Crenzel.config"); }

    // Writes text to a file below the given folder, creating the folders on the way.
    static juce::File write(const juce::File& folder, const juce::String& relativePath,
                            const juce::String& text)
    {
        const juce::File file = folder.getChildFile(relativePath);
        file.getParentDirectory().createDirectory();
        file.replaceWithText(text, false, false, nullptr);
        return file;
    }

    // A minimal patch document with the given version ("" for none) and author.
    static juce::String patchText(const juce::String& version, const juce::String& author = "someone")
    {
        juce::String text = "{";
        if (version.isNotEmpty())
            text << "\"dsp_version\": \"" << version << "\", ";
        text << "\"author\": \"" << author
             << "\", \"settings\": {\"7\": 0.5, \"modulations\": [], \"macros\": []}}";
        return text;
    }

    ScopedEnvironment env;
    const juce::File root;
    const juce::File userData;
    const juce::File commonData;
    const juce::File config;
};

} // namespace crenzel_test
