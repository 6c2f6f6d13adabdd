// setup.dat and config.dat: the preferences and the configured font, read with every record
// length a reader uses.
#include "settings/preference_files.h"

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Fuzz::WorkingFolder here;
    Fuzz::putFile(PreferenceFiles::setupFileName(), data, size);
    Fuzz::putFile(PreferenceFiles::configFileName(), data, size);
    const PrefRecord prefs = PreferenceFiles::readSetup();
    Fuzz::check(prefs.StartHour.size() <= PrefRecord::StartHourWidth, "the start hour fits");
    for (const int length : {ConfigRecord::Length, ConfigRecord::MainWindowLength, 2078}) {
        const ConfigRecord config = PreferenceFiles::readConfig(length);
        Fuzz::check(config.FontName.size() <= 30, "the font name fits");
    }
    return 0;
}
