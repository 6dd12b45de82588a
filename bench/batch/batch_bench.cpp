// The batch's per-row path: one row of a CSV file checked, computed and
// written as a JSON line or a CSV row, over births spread across the form's
// range; and its parts: the engine alone, the JSON writer (with QJsonDocument
// writing the same objects for reference, run last: Qt's code leaves the AVX
// registers' upper halves in use, which the others clear first), and reading
// the CSV.
#include "cli/Batch.h"
#include "cli/JsonWriter.h"
#include "reading/Reading.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>

namespace {

using namespace varelio;
using namespace varelio::cli;

constexpr int kRows = 256;

// A header and kRows births drawn as scripts/batch-births.py draws them.
std::string BatchText() {
    std::mt19937 rng(20261207);
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng); };
    const auto word = [&] {
        std::string text;
        for (int i = pick(1, 12); i > 0; --i) text += static_cast<char>('a' + pick(0, 25));
        return text;
    };
    std::string text =
        "name,day,month,year,hour,minute,zone,dst,lat-deg,lat-min,lat-dir,lon-deg,lon-min,lon-dir,city,state,country\n";
    for (int i = 0; i < kRows; ++i) {
        text += word() + "," + std::to_string(pick(1, 28)) + "," + std::to_string(pick(1, 12)) + "," +
                std::to_string(pick(1901, 2050)) + "," + std::to_string(pick(0, 24)) + "," +
                std::to_string(pick(0, 59)) + "," + std::to_string(i % 71) + "," + (pick(0, 1) ? "yes" : "no") + "," +
                std::to_string(pick(0, 89)) + "," + std::to_string(pick(0, 59)) + "," + (pick(0, 1) ? "N" : "S") +
                "," + std::to_string(pick(0, 179)) + "," + std::to_string(pick(0, 59)) + "," +
                (pick(0, 1) ? "E" : "W") + "," + word() + "," + word() + "," + word() + "\n";
    }
    return text;
}

struct Rows {
    CsvRecords header, rows;
    std::vector<BatchColumn> columns;
};

Rows ReadRows() {
    std::string text = BatchText();
    std::FILE* input = fmemopen(text.data(), text.size(), "r");
    CsvReader reader(input);
    Rows rows;
    reader.ReadRecord(rows.header);
    while (reader.ReadRecord(rows.rows)) {
    }
    std::fclose(input);
    rows.columns = std::get<std::vector<BatchColumn>>(ParseBatchHeader(rows.header));
    return rows;
}

void ProcessRows(benchmark::State& state, BatchFormat format) {
    ClearUpperVectorRegisters();  // as a batch worker does
    const Rows rows = ReadRows();
    const BatchRow row(rows.columns, format);
    std::string out, err;
    Reading reading;
    for (auto _ : state) {
        out.clear();
        for (const auto& record : rows.rows.records) row.Process(rows.rows, record, reading, out, err);
        benchmark::DoNotOptimize(out.data());
    }
    if (!err.empty()) state.SkipWithError(err.c_str());
    state.SetItemsProcessed(state.iterations() * kRows);
}

void BM_BatchRowJsonLines(benchmark::State& state) { ProcessRows(state, BatchFormat::JsonLines); }
BENCHMARK(BM_BatchRowJsonLines);

void BM_BatchRowCsv(benchmark::State& state) { ProcessRows(state, BatchFormat::Csv); }
BENCHMARK(BM_BatchRowCsv);

// The readings of the batch's births, for the writers alone.
std::vector<Reading> Readings() {
    const Rows rows = ReadRows();
    std::vector<Reading> readings;
    for (const auto& record : rows.rows.records) {
        FormValues form = InitialFormValues();
        BirthOptions options;
        for (std::size_t i = 0; i < rows.columns.size(); ++i) {
            if (const auto* option = std::get_if<BirthOption>(&rows.columns[i])) {
                options[*option] = rows.rows.Field(record, i);
            }
        }
        ApplyBirthOptions(options, form, "");
        if (!ComputeReadingFromForm(form, true, readings.emplace_back())) readings.pop_back();
    }
    return readings;
}

void BM_ComputeReading(benchmark::State& state) {
    ClearUpperVectorRegisters();
    const std::vector<Reading> readings = Readings();
    Reading reading;
    for (auto _ : state) {
        for (const Reading& computed : readings) {
            reading.birthData = computed.birthData;
            ComputeReading(reading);
            benchmark::DoNotOptimize(reading.evaluations);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(readings.size()));
}
BENCHMARK(BM_ComputeReading);

void BM_JsonWriter(benchmark::State& state) {
    ClearUpperVectorRegisters();
    const std::vector<Reading> readings = Readings();
    std::string out;
    for (auto _ : state) {
        out.clear();
        for (const Reading& reading : readings) AppendReadingJson(reading, JsonLayout::Compact, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(readings.size()));
    state.SetBytesProcessed(state.iterations() * static_cast<long>(out.size()));
}
BENCHMARK(BM_JsonWriter);

// Qt's writer on the same objects (built once, outside the timing).
void BM_QJsonDocumentCompact(benchmark::State& state) {
    std::vector<QJsonObject> objects;
    for (const Reading& reading : Readings()) {
        std::string json;
        AppendReadingJson(reading, JsonLayout::Compact, json);
        objects.push_back(QJsonDocument::fromJson(QByteArray::fromStdString(json)).object());
    }
    long bytes = 0;
    for (auto _ : state) {
        bytes = 0;
        for (const QJsonObject& object : objects) {
            const QByteArray json = QJsonDocument(object).toJson(QJsonDocument::Compact);
            bytes += json.size();
            benchmark::DoNotOptimize(json.data());
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long>(objects.size()));
    state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(BM_QJsonDocumentCompact);

void BM_CsvRead(benchmark::State& state) {
    std::string text = BatchText();
    CsvRecords records;
    for (auto _ : state) {
        std::FILE* input = fmemopen(text.data(), text.size(), "r");
        CsvReader reader(input);
        records.Clear();
        while (reader.ReadRecord(records)) {
        }
        std::fclose(input);
        benchmark::DoNotOptimize(records.bytes.data());
    }
    state.SetItemsProcessed(state.iterations() * (kRows + 1));
}
BENCHMARK(BM_CsvRead);

}  // namespace
