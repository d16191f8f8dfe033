// What Windows reads from larkit.exe before any of its code runs: the manifest, parsed by the
// system's own activation-context code (a manifest it rejects stops the program from starting,
// and a setting in the wrong namespace is silently ignored), and the version resource.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "res/version.h"
#include "tests/app/peers.h"

namespace {

class ManifestTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::wstring exe = BesideTests(L"larkit.exe");
        ACTCTXW request{};
        request.cbSize = sizeof request;
        request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
        request.lpSource = exe.c_str();
        request.lpResourceName = CREATEPROCESS_MANIFEST_RESOURCE_ID;
        context_ = CreateActCtxW(&request);
        ASSERT_NE(context_, INVALID_HANDLE_VALUE) << "the system refused the manifest, error " << GetLastError();
    }
    void TearDown() override
    {
        if (context_ != INVALID_HANDLE_VALUE) ReleaseActCtx(context_);
    }

    std::wstring Setting(const wchar_t* ns, const wchar_t* name) const
    {
        wchar_t value[64] = L"";
        SIZE_T written = 0;
        if (!QueryActCtxSettingsW(0, context_, ns, name, value, ARRAYSIZE(value), &written)) return L"(absent)";
        return value;
    }

    std::vector<BYTE> Query(ULONG infoClass, DWORD index) const
    {
        DWORD subInstance = index;
        SIZE_T needed = 0;
        QueryActCtxW(0, context_, &subInstance, infoClass, nullptr, 0, &needed);
        std::vector<BYTE> data(needed);
        if (needed == 0 || !QueryActCtxW(0, context_, &subInstance, infoClass, data.data(), data.size(), &needed))
            data.clear();
        return data;
    }

    HANDLE context_ = INVALID_HANDLE_VALUE;
};

TEST_F(ManifestTest, AsksForPhysicalPixelsOnEveryMonitor)
{
    EXPECT_EQ(Setting(L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness"), L"PerMonitorV2");
    // What systems that do not know dpiAwareness read instead.
    EXPECT_EQ(Setting(L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware"), L"true/pm");
}

TEST_F(ManifestTest, RunsAsTheUserWhoStartsIt)
{
    std::vector<BYTE> data = Query(RunlevelInformationInActivationContext, 0);
    ASSERT_GE(data.size(), sizeof(ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION));
    auto* info = reinterpret_cast<ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION*>(data.data());
    EXPECT_EQ(info->RunLevel, ACTCTX_RUN_LEVEL_AS_INVOKER);
    EXPECT_EQ(info->UiAccess, 0u);
}

// The compatibility list has two layouts: elements of 20 bytes right after the count, or (since
// a maximum tested version was added to each) of 32 bytes, 8-aligned.
std::vector<GUID> SupportedSystems(const std::vector<BYTE>& data)
{
    std::vector<GUID> systems;
    if (data.size() < sizeof(DWORD)) return systems;
    DWORD count = *reinterpret_cast<const DWORD*>(data.data());
    size_t offset = 4, stride = 20;
    if (data.size() != 4 + 20 * size_t{count}) offset = 8, stride = 32;
    for (DWORD i = 0; i < count && offset + stride * (i + 1) <= data.size(); ++i) {
        const BYTE* element = data.data() + offset + stride * i;
        GUID id;
        memcpy(&id, element, sizeof id);
        DWORD type;
        memcpy(&type, element + sizeof(GUID), sizeof type);
        if (type == ACTCTX_COMPATIBILITY_ELEMENT_TYPE_OS) systems.push_back(id);
    }
    return systems;
}

TEST_F(ManifestTest, DeclaresWindows10And11)
{
    static const GUID kWindows10 = {0x8e0f7a12, 0xbfb3, 0x4fe8, {0xb9, 0xa5, 0x48, 0xfd, 0x50, 0xa1, 0x5a, 0x9a}};
    std::vector<GUID> systems = SupportedSystems(Query(CompatibilityInformationInActivationContext, 0));
    ASSERT_EQ(systems.size(), 1u);
    EXPECT_TRUE(IsEqualGUID(systems[0], kWindows10));
}

// The dependency resolves: the program's context holds the common controls of version 6, which
// draw with visual styles.
TEST_F(ManifestTest, BringsTheVersion6CommonControls)
{
    std::vector<BYTE> whole = Query(ActivationContextDetailedInformation, 0);
    ASSERT_GE(whole.size(), sizeof(ACTIVATION_CONTEXT_DETAILED_INFORMATION));
    DWORD assemblies = reinterpret_cast<ACTIVATION_CONTEXT_DETAILED_INFORMATION*>(whole.data())->ulAssemblyCount;
    std::vector<std::wstring> identities;
    for (DWORD i = 1; i <= assemblies; ++i) {
        std::vector<BYTE> data = Query(AssemblyDetailedInformationInActivationContext, i);
        auto* info = reinterpret_cast<ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION*>(data.data());
        if (!data.empty() && info->lpAssemblyEncodedAssemblyIdentity)
            identities.push_back(info->lpAssemblyEncodedAssemblyIdentity);
    }
    bool found = false;
    for (const std::wstring& id : identities)
        found |= id.rfind(L"Microsoft.Windows.Common-Controls,", 0) == 0 && id.find(L"version=\"6.") != std::wstring::npos;
    EXPECT_TRUE(found);
}

TEST(VersionResourceTest, NamesTheProductAndTheVersionTheVersionBoxShows)
{
    std::wstring exe = BesideTests(L"larkit.exe");
    DWORD ignored = 0;
    DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &ignored);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> block(size);
    ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, size, block.data()));

    auto text = [&](const wchar_t* name) {
        std::wstring path = std::wstring(L"\\StringFileInfo\\041104B0\\") + name;
        void* value = nullptr;
        UINT length = 0;
        if (!VerQueryValueW(block.data(), path.c_str(), &value, &length)) return std::wstring(L"(absent)");
        return std::wstring(static_cast<const wchar_t*>(value));
    };
    EXPECT_EQ(text(L"ProductName"), L"larkit");
    EXPECT_EQ(text(L"ProductVersion"), L"ver0.1");
    EXPECT_EQ(text(L"OriginalFilename"), L"larkit.exe");

    void* value = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", &value, &length));
    auto* fixed = static_cast<VS_FIXEDFILEINFO*>(value);
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwProductVersionMS, static_cast<DWORD>(MAKELONG(LARKIT_VERSION_MINOR, LARKIT_VERSION_MAJOR)));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

}  // namespace
