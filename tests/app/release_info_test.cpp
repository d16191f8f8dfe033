// What Windows reads from larkit.exe before any of its code runs: the manifest, parsed by the
// system's own activation-context code (a rejected manifest stops the program from starting,
// a setting in the wrong namespace is silently ignored), and the version resource.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "res/version.h"
#include "tests/app/peers.h"

namespace {

TEST(ReleaseInfoTest, ManifestAsksForPixelsRunsAsInvokerNamesWindows10AndBringsCommonControls6)
{
    std::wstring exe = BesideTests(L"larkit.exe");
    ACTCTXW request{};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = exe.c_str();
    request.lpResourceName = CREATEPROCESS_MANIFEST_RESOURCE_ID;
    HANDLE context = CreateActCtxW(&request);
    ASSERT_NE(context, INVALID_HANDLE_VALUE) << "the system refused the manifest, error " << GetLastError();
    auto setting = [&](const wchar_t* ns, const wchar_t* name) {
        wchar_t value[64] = L"(absent)";
        QueryActCtxSettingsW(0, context, ns, name, value, ARRAYSIZE(value), nullptr);
        return std::wstring(value);
    };
    auto query = [&](ULONG infoClass, DWORD index, size_t atLeast) {
        SIZE_T needed = 0;
        QueryActCtxW(0, context, &index, infoClass, nullptr, 0, &needed);
        std::vector<BYTE> data(needed);
        if (!needed || !QueryActCtxW(0, context, &index, infoClass, data.data(), needed, &needed)) data.clear();
        EXPECT_GE(data.size(), atLeast) << "query " << infoClass;
        data.resize(std::max(data.size(), atLeast));
        return data;
    };
    EXPECT_EQ(setting(L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness"), L"PerMonitorV2");
    // What systems that do not know dpiAwareness read instead.
    EXPECT_EQ(setting(L"http://schemas.microsoft.com/SMI/2005/WindowsSettings", L"dpiAware"), L"true/pm");

    std::vector<BYTE> data = query(RunlevelInformationInActivationContext, 0, sizeof(ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION));
    auto* run = reinterpret_cast<ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION*>(data.data());
    EXPECT_EQ(run->RunLevel, ACTCTX_RUN_LEVEL_AS_INVOKER);
    EXPECT_EQ(run->UiAccess, 0u);

    // The compatibility list: elements of 20 bytes right after the count, or (where each carries
    // a maximum tested version) of 32 bytes, 8-aligned. A GUID and then its type.
    static const GUID kWindows10 = {0x8e0f7a12, 0xbfb3, 0x4fe8, {0xb9, 0xa5, 0x48, 0xfd, 0x50, 0xa1, 0x5a, 0x9a}};
    data = query(CompatibilityInformationInActivationContext, 0, 4);
    DWORD count = *reinterpret_cast<DWORD*>(data.data());
    size_t offset = data.size() == 4 + 20 * size_t{count} ? 4 : 8, stride = offset == 4 ? 20 : 32;
    std::vector<GUID> systems;
    for (size_t at = offset; at + stride <= data.size(); at += stride)
        if (*reinterpret_cast<DWORD*>(&data[at + sizeof(GUID)]) == ACTCTX_COMPATIBILITY_ELEMENT_TYPE_OS)
            systems.push_back(*reinterpret_cast<GUID*>(&data[at]));
    ASSERT_EQ(systems.size(), 1u);
    EXPECT_TRUE(IsEqualGUID(systems[0], kWindows10));

    bool controls6 = false;
    data = query(ActivationContextDetailedInformation, 0, sizeof(ACTIVATION_CONTEXT_DETAILED_INFORMATION));
    DWORD assemblies = reinterpret_cast<ACTIVATION_CONTEXT_DETAILED_INFORMATION*>(data.data())->ulAssemblyCount;
    for (DWORD i = 1; i <= assemblies; ++i) {
        data = query(AssemblyDetailedInformationInActivationContext, i, sizeof(ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION));
        const wchar_t* id = reinterpret_cast<ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION*>(data.data())->lpAssemblyEncodedAssemblyIdentity;
        controls6 |= id && std::wstring(id).rfind(L"Microsoft.Windows.Common-Controls,", 0) == 0 &&
                     std::wstring(id).find(L"version=\"6.") != std::wstring::npos;
    }
    EXPECT_TRUE(controls6);
    ReleaseActCtx(context);
}

TEST(ReleaseInfoTest, VersionResourceNamesTheProductAndTheVersionTheVersionBoxShows)
{
    std::wstring exe = BesideTests(L"larkit.exe");
    std::vector<BYTE> block(GetFileVersionInfoSizeW(exe.c_str(), nullptr));
    ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));
    auto value = [&](const std::wstring& path) {
        void* found = nullptr;
        UINT length = 0;
        return VerQueryValueW(block.data(), path.c_str(), &found, &length) ? found : nullptr;
    };
    for (auto [name, text] : {std::pair{L"ProductName", L"larkit"}, {L"ProductVersion", L"ver0.1"},
                              {L"OriginalFilename", L"larkit.exe"}}) {
        auto* shown = static_cast<const wchar_t*>(value(std::wstring(L"\\StringFileInfo\\041104B0\\") + name));
        EXPECT_EQ(std::wstring(shown ? shown : L"(absent)"), text);
    }
    auto* fixed = static_cast<VS_FIXEDFILEINFO*>(value(L"\\"));
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(fixed->dwProductVersionMS, static_cast<DWORD>(MAKELONG(LARKIT_VERSION_MINOR, LARKIT_VERSION_MAJOR)));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

}  // namespace
