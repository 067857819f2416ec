#pragma once

// The one check of the fuzz targets: a broken invariant aborts, so libFuzzer keeps the input
// as a crash and the replay of the seeds fails.
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

[[noreturn]] inline void fuzzFail(const char *condition, const char *file, int line)
{
    std::fprintf(stderr, "%s:%d: invariant broken: %s\n", file, line, condition);
    std::abort();
}

#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition))                                                                                    \
            fuzzFail(#condition, __FILE__, __LINE__);                                                        \
    } while (false)

// Reads the fuzzer's bytes front to back; past the end every read gives zero or nothing.
class FuzzInput
{
public:
    FuzzInput(const uint8_t *data, size_t size) : m_data(data), m_size(size) {}

    uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    quint32 word()
    {
        quint32 w = 0;
        for (int i = 0; i < 4; ++i)
            w = (w << 8) | byte();
        return w;
    }
    // Up to n bytes.
    QByteArray bytes(size_t n)
    {
        n = n < m_size - m_pos ? n : m_size - m_pos;
        QByteArray out(reinterpret_cast<const char *>(m_data + m_pos), qsizetype(n));
        m_pos += n;
        return out;
    }
    QByteArray rest() { return bytes(m_size - m_pos); }

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
};
