// Shared scene for the adapter tests: a reset software adapter opened into the program's
// one handle, and the library's journal read back as lines.
#ifndef SKYLOOK_TESTS_ADAPTER_SUPPORT_H
#define SKYLOOK_TESTS_ADAPTER_SUPPORT_H

#include "AdapterJournal.h"
#include "SampleRecords.h"
#include "adapter/AdapterHandle.h"
#include "record/AdapterSettings.h"

#include <Vexa5200Control.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

// Upper-case hex of bytes, the way the journal writes key and hash bytes.
std::string Hex(const unsigned char* bytes, size_t count);

void CopyText(char* field, size_t fieldSize, const char* text);
template <size_t N>
void CopyText(char (&field)[N], const char* text)
{
    CopyText(field, N, text);
}

class AdapterTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

#endif
