// UpdateCRC, as GetCRCforFile runs it, against zlib's crc32 on the same 64 MB
// buffer in the same run.
#include "tools/CRCfile.h"

#include <QByteArray>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <zlib.h>

namespace {

constexpr qsizetype kBufferSize = qsizetype(64) << 20;

const QByteArray &Buffer()
{
    static const QByteArray buffer = [] {
        QByteArray bytes(kBufferSize, Qt::Uninitialized);
        QRandomGenerator random(20261206);
        random.fillRange(reinterpret_cast<quint32 *>(bytes.data()), bytes.size() / sizeof(quint32));
        return bytes;
    }();
    return buffer;
}

void BM_UpdateCRC(benchmark::State &state)
{
    const QByteArray &buffer = Buffer();
    for (auto _ : state) {
        quint32 crc = CRCfile::BuildCRCTable(CRCfile::kPolynomial, CRCfile::kStartValue);
        crc = CRCfile::FinalCRC(CRCfile::UpdateCRC(buffer, crc));
        benchmark::DoNotOptimize(crc);
    }
    state.SetBytesProcessed(state.iterations() * buffer.size());
}
BENCHMARK(BM_UpdateCRC)->Unit(benchmark::kMillisecond);

void BM_ZlibCrc32(benchmark::State &state)
{
    const QByteArray &buffer = Buffer();
    for (auto _ : state) {
        uLong crc = crc32(0L, reinterpret_cast<const Bytef *>(buffer.constData()), uInt(buffer.size()));
        benchmark::DoNotOptimize(crc);
    }
    state.SetBytesProcessed(state.iterations() * buffer.size());
}
BENCHMARK(BM_ZlibCrc32)->Unit(benchmark::kMillisecond);

// The whole routine on the same bytes in a file (page cache warm): reading
// and formatting on top of the checksum.
void BM_GetCRCforFile(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString sPath = dir.filePath(QStringLiteral("buffer.bin"));
    {
        QFile file(sPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(Buffer()) != Buffer().size()) {
            state.SkipWithError("cannot write the buffer file");
            return;
        }
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(CRCfile::GetCRCforFile(sPath));
    state.SetBytesProcessed(state.iterations() * Buffer().size());
}
BENCHMARK(BM_GetCRCforFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
