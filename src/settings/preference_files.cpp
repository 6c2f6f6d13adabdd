#include "preference_files.h"

#include "platform/record_file.h"

namespace {

// Offsets of setup.dat.
constexpr int PrefRecNo = 0, PrefStartHour = 2, PrefStartup = 12, PrefPort = 14,
              PrefSoundProgram = 16, PrefSoundFile = 66;
constexpr int StartHourWidth = PrefRecord::StartHourWidth, PathWidth = PrefRecord::PathWidth;

// Offsets of config.dat.
constexpr int CfgRecNo = 0, CfgBold = 2042, CfgFontName = 2044, CfgFontSize = 2074;
constexpr int FontNameWidth = 30;

RecordFile setupFile()
{
    return RecordFile(PreferenceFiles::setupFileName(), PrefRecord::Length,
                      RecordFile::Lookup::DataFile, RecordFile::Shape::OneRecord);
}

// Its writers and readers take the one record with lengths of their own.
RecordFile configFile(int recordLength)
{
    return RecordFile(PreferenceFiles::configFileName(), recordLength, RecordFile::Lookup::DataFile,
                      RecordFile::Shape::OneRecord);
}

} // namespace

PrefRecord PrefRecord::defaults(const QString &startHour)
{
    PrefRecord prefs;
    prefs.StartHour = startHour;
    prefs.SoundProgram = QStringLiteral("C:\\WINDOWS\\sndrec32.exe");
    prefs.SoundFile = QStringLiteral("c:\\WINDOWS\\DING.WAV");
    return prefs;
}

namespace PreferenceFiles {

QString setupFileName()
{
    return QStringLiteral("setup.dat");
}

QString configFileName()
{
    return QStringLiteral("config.dat");
}

bool setupExists()
{
    return setupFile().exists();
}

PrefRecord readSetup()
{
    const Record r = setupFile().read(1);
    PrefRecord prefs;
    prefs.RecNo = r.int16(PrefRecNo);
    prefs.StartHour = r.text(PrefStartHour, StartHourWidth);
    prefs.StartupWindow = r.int16(PrefStartup);
    prefs.PortIndex = r.int16(PrefPort);
    prefs.SoundProgram = r.text(PrefSoundProgram, PathWidth);
    prefs.SoundFile = r.text(PrefSoundFile, PathWidth);
    return prefs;
}

void writeSetup(const PrefRecord &prefs)
{
    Record r(PrefRecord::Length);
    r.setInt16(PrefRecNo, 0);
    r.setText(PrefStartHour, StartHourWidth, prefs.StartHour);
    r.setInt16(PrefStartup, prefs.StartupWindow);
    r.setInt16(PrefPort, prefs.PortIndex);
    r.setText(PrefSoundProgram, PathWidth, prefs.SoundProgram);
    r.setText(PrefSoundFile, PathWidth, prefs.SoundFile);
    setupFile().write(1, r);
}

bool configExists()
{
    return configFile(ConfigRecord::Length).exists();
}

ConfigRecord readConfig(int recordLength)
{
    const Record r = configFile(recordLength).read(1);
    ConfigRecord config;
    config.RecNo = r.int16(CfgRecNo);
    config.BoldFlag = r.int16(CfgBold);
    config.FontName = r.text(CfgFontName, FontNameWidth);
    config.FontSize = r.int16(CfgFontSize);
    return config;
}

void writeConfig(const ConfigRecord &config, int recordLength)
{
    Q_ASSERT(recordLength >= ConfigRecord::Length);
    Record r(recordLength);
    r.setInt16(CfgRecNo, 0);
    r.setInt16(CfgBold, config.BoldFlag);
    r.setText(CfgFontName, FontNameWidth, config.FontName);
    r.setInt16(CfgFontSize, config.FontSize);
    configFile(recordLength).write(1, r);
}

} // namespace PreferenceFiles
