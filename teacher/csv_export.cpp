#include "teacher/csv_export.h"

#include "learning/answer_csv.h"
#include "teacher/saving.h"

#include <QIODevice>

namespace tamurik {

namespace {

// Written in pieces of this size: a child's five years are some 20 MB.
constexpr std::size_t kChunk = 1 << 16;

bool WriteAll(QIODevice& file, const std::string& bytes) {
    return file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
           static_cast<qint64>(bytes.size());
}

} // namespace

std::optional<Text> ExportAnswers(RecordQueries& queries, std::optional<std::int64_t> child,
                                  const QString& path) {
    bool readFailed = false;
    const std::optional<Text> failure = SaveFile(path, [&](QIODevice& file) {
        std::string chunk = std::string(kUtf8ByteOrderMark) + AnswerCsvHeader();
        bool written = true;
        const bool read = queries.ForEachAnswer(child, [&](const AnswerRow& row) {
            chunk += AnswerCsvLine(row);
            if (chunk.size() >= kChunk && written) {
                written = WriteAll(file, chunk);
                chunk.clear();
            }
        });
        readFailed = !read;
        return read && written && WriteAll(file, chunk);
    });
    if (readFailed)
        return Text(
            U"Der Lernstand konnte nicht gelesen werden; es wurde keine Datei gespeichert.");
    return failure;
}

} // namespace tamurik
