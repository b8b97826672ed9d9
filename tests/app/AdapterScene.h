// The scene for tests that talk to the software adapter: reset, joins complete at once, the
// program's handle open; the journal read back as lines.
#ifndef SKYLOOK_TESTS_APP_ADAPTER_SCENE_H
#define SKYLOOK_TESTS_APP_ADAPTER_SCENE_H

#include "AdapterJournal.h"
#include "adapter/AdapterHandle.h"

#include <Vexa5200Control.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

// Joins a network by name the way an apply ends; the next query sees the association.
void Join(const char* ssid);

class AdapterScene : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

#endif
