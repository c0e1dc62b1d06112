#pragma once
// Installs the resources that only the tests carry (tests/resources/embedded.txt)
// for the lifetime of the object.

#include "platform/Resources.h"

namespace platform {
const EmbeddedFile* pinsmith_test_resources_table();
}

class TestResources {
public:
    TestResources() { platform::AddResourceTable(platform::pinsmith_test_resources_table()); }
    ~TestResources() { platform::RemoveResourceTable(platform::pinsmith_test_resources_table()); }
    TestResources(const TestResources&) = delete;
    TestResources& operator=(const TestResources&) = delete;
};
