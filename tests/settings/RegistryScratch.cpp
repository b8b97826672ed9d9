#include "RegistryScratch.h"

#include "settings/DefaultsInUse.h"

#include <Vexa5200Control.h>

Bytes Text(const std::string& text, size_t size)
{
    Bytes bytes(size, 0);
    std::copy(text.begin(), text.end(), bytes.begin());
    return bytes;
}

Bytes RawText(const std::string& text)
{
    return Bytes(text.begin(), text.end());
}

void CleanRegistry::SetUp()
{
    ASSERT_EQ(VexaSimReset(), 0);
    DeleteKeyTree(ProductKey);
    ForgetUnstoredDefaultSettings();
}

void CleanRegistry::TearDown()
{
    DeleteKeyTree(ProductKey);
}
