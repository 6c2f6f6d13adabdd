// launch.dat: the launcher's command lines and captions.
#include "tools/launch_store.h"

#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const Fuzz::WorkingFolder here;
    Fuzz::putFile(LaunchStore::fileName(), data, size);
    const LaunchRecord record = LaunchStore().read();
    for (int i = 0; i < LaunchRecord::Slots; ++i) {
        Fuzz::check(record.launch.at(i).size() <= LaunchRecord::CommandWidth, "a command fits");
        Fuzz::check(record.cmd.at(i).size() <= LaunchRecord::CaptionWidth, "a caption fits");
    }
    return 0;
}
