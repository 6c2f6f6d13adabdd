#include "print_queue.h"

#include <QFile>

#include <cups/cups.h>

#include <memory>

namespace {

struct DestFree
{
    void operator()(cups_dest_t *dest) const { cupsFreeDests(1, dest); }
};

// Options of one job, freed with it.
class JobOptions
{
public:
    JobOptions() = default;
    ~JobOptions() { cupsFreeOptions(m_count, m_options); }
    JobOptions(const JobOptions &) = delete;
    JobOptions &operator=(const JobOptions &) = delete;

    void add(const char *name, const char *value)
    {
        m_count = cupsAddOption(name, value, m_count, &m_options);
    }
    int count() const { return m_count; }
    cups_option_t *options() const { return m_options; }

private:
    int m_count = 0;
    cups_option_t *m_options = nullptr;
};

// The print system's reason for the last refusal; never empty, so a refusal is never taken for
// a job printed.
QString lastError()
{
    const QString reason = QString::fromUtf8(cupsLastErrorString());
    return reason.isEmpty() ? QStringLiteral("The print system did not take the job.") : reason;
}

} // namespace

namespace PrintQueue {

QString submit(const QString &queue, const QString &pdfPath, const QString &title,
               const QString &media)
{
    const QByteArray name = queue.section(u'/', 0, 0).toUtf8();
    const QByteArray instance = queue.section(u'/', 1).toUtf8();
    const std::unique_ptr<cups_dest_t, DestFree> dest(cupsGetNamedDest(
        CUPS_HTTP_DEFAULT, name.constData(), instance.isEmpty() ? nullptr : instance.constData()));
    if (!dest)
        return lastError();
    JobOptions options;
    for (int i = 0; i < dest->num_options; ++i)
        options.add(dest->options[i].name, dest->options[i].value);
    // The pages were laid out on this paper; the job asks for the same.
    options.add("media", media.toUtf8().constData());
    const int job =
        cupsPrintFile2(CUPS_HTTP_DEFAULT, name.constData(), QFile::encodeName(pdfPath).constData(),
                       title.toUtf8().constData(), options.count(), options.options());
    return job > 0 ? QString() : lastError();
}

} // namespace PrintQueue
