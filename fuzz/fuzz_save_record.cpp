// Feeds arbitrary bytes to the save-file reader. Any crash, any read outside
// the input, any undefined arithmetic, and any record that breaks the
// reader's promises (see saveRecordFault) stops the run with the input saved.

#include "support/save_record_checks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // Raw data, not a copy: the reader sees exactly the input's bytes, with no
    // terminating zero behind them, so a read past the end is caught.
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString fault = nupel::test::saveRecordFault(bytes);
    if (!fault.isEmpty()) {
        std::fprintf(stderr, "save-file reader: %s\n", qPrintable(fault));
        std::abort();
    }
    return 0;
}
