#include "launch_store.h"

#include "platform/record_file.h"

namespace {

constexpr int RecNoAt = 0;
constexpr int LaunchAt = 2;
constexpr int CmdAt = LaunchAt + LaunchRecord::Slots * LaunchRecord::CommandWidth;

RecordFile file()
{
    return RecordFile(LaunchStore::fileName(), LaunchRecord::Length, RecordFile::Lookup::DataFile,
                      RecordFile::Shape::OneRecord);
}

} // namespace

QString LaunchStore::fileName()
{
    return QStringLiteral("launch.dat");
}

bool LaunchStore::exists() const
{
    return file().exists();
}

void LaunchStore::create() const
{
    write(LaunchRecord());
}

LaunchRecord LaunchStore::read() const
{
    const Record r = file().read(1);
    LaunchRecord record;
    for (int i = 0; i < LaunchRecord::Slots; ++i) {
        record.launch[i] =
            r.shownText(LaunchAt + i * LaunchRecord::CommandWidth, LaunchRecord::CommandWidth);
        record.cmd[i] =
            r.shownText(CmdAt + i * LaunchRecord::CaptionWidth, LaunchRecord::CaptionWidth);
    }
    return record;
}

void LaunchStore::write(const LaunchRecord &record) const
{
    Record r(LaunchRecord::Length);
    r.setInt16(RecNoAt, 1);
    for (int i = 0; i < LaunchRecord::Slots; ++i) {
        r.setShownText(LaunchAt + i * LaunchRecord::CommandWidth, LaunchRecord::CommandWidth,
                       record.launch[i]);
        r.setShownText(CmdAt + i * LaunchRecord::CaptionWidth, LaunchRecord::CaptionWidth,
                       record.cmd[i]);
    }
    file().write(1, r);
}
