#include "bench/InputFiles.h"

#include <cstdio>
#include <random>
#include <stdexcept>
#include <string>
#include <sys/stat.h>

namespace {

const char* const Words[] = {"error",   "request", "served", "client", "latency", "cache", "miss",  "worker",
                             "started", "queue",   "socket", "closed", "retry",   "user",  "token", "session",
                             "GET",     "POST",    "/api/v1/items", "200",   "404",   "timeout", "db", "commit"};

std::string LogLine(std::mt19937& random, bool crlf)
{
    std::uniform_int_distribution<int> length(20, 140), word(0, int(std::size(Words)) - 1), digit(0, 9);
    const size_t target = size_t(length(random));
    std::string line = "2026-12-08T12:" + std::to_string(10 + digit(random)) + ":0" + std::to_string(digit(random));
    while (line.size() < target) {
        line += ' ';
        line += Words[word(random)];
    }
    line.resize(target);
    line += crlf ? "\r\n" : "\n";
    return line;
}

std::string Paragraph(std::mt19937& random)
{
    std::uniform_int_distribution<int> word(0, int(std::size(Words)) - 1);
    std::string text;
    while (text.size() < 2000) {
        text += Words[word(random)];
        text += ' ';
    }
    text.resize(2000);
    text += '\n';
    return text;
}

}  // namespace

void MakeInputFile(const std::string& path, TInputKind kind, int64_t bytes)
{
    struct stat info {};
    if (stat(path.c_str(), &info) == 0 && info.st_size >= bytes && info.st_size < bytes + 4096)
        return;
    std::FILE* out = std::fopen(path.c_str(), "wb");
    if (!out)
        throw std::runtime_error("cannot write " + path);
    std::mt19937 random(12345);
    std::string block;
    int64_t written = 0;
    int64_t lines = 0;
    while (written < bytes) {
        block.clear();
        while (block.size() < (1 << 20) && written + int64_t(block.size()) < bytes) {
            if (kind == TInputKind::Paragraphs || kind == TInputKind::OneLine) {
                block += Paragraph(random);
                if (kind == TInputKind::OneLine)
                    block.back() = ' ';
                continue;
            }
            if (kind == TInputKind::LogMarked && ++lines % 12 == 0)
                block += "zebra ";
            block += LogLine(random, kind == TInputKind::LogCrLf);
        }
        std::fwrite(block.data(), 1, block.size(), out);
        written += int64_t(block.size());
    }
    std::fclose(out);
}
