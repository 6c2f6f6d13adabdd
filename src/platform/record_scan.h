#pragma once

#include <QByteArrayView>

#include <functional>

class RecordFile;

// Visits the whole records of a file in record order, n from 1, in one sequential pass: one
// open and large block reads instead of an open, seek and read for every record. A partial last
// record is not visited, nor is any record past `limit`. The visitor returns false to stop.
// Failures throw FileError; a missing file has no records.
using RecordVisitor = std::function<bool(int n, QByteArrayView record)>;
void scanRecords(const RecordFile &file, int limit, const RecordVisitor &visit);
