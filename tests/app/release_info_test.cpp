// What Windows reads from larkit.exe's manifest before any of its code runs, parsed by the
// system's own activation-context code (a setting in the wrong namespace is silently ignored).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/app/peers.h"

namespace {

TEST(ReleaseInfoTest, ManifestAsksForPixelsRunsAsInvokerAndBringsCommonControls6)
{
    std::wstring exe = BesideTests(L"larkit.exe");
    ACTCTXW request{};
    request.cbSize = sizeof request;
    request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
    request.lpSource = exe.c_str();
    request.lpResourceName = CREATEPROCESS_MANIFEST_RESOURCE_ID;
    HANDLE context = CreateActCtxW(&request);
    ASSERT_NE(context, INVALID_HANDLE_VALUE) << "the system refused the manifest, error " << GetLastError();
    for (auto [ns, name, want] : {std::tuple{L"2016", L"dpiAwareness", L"PerMonitorV2"}, {L"2005", L"dpiAware", L"true/pm"}}) {
        wchar_t value[64] = L"(absent)";
        std::wstring full = std::wstring(L"http://schemas.microsoft.com/SMI/") + ns + L"/WindowsSettings";
        QueryActCtxSettingsW(0, context, full.c_str(), name, value, ARRAYSIZE(value), nullptr);
        EXPECT_STREQ(value, want);
    }
    auto query = [&](ULONG infoClass, DWORD index, size_t atLeast) {
        SIZE_T needed = 0;
        QueryActCtxW(0, context, &index, infoClass, nullptr, 0, &needed);
        std::vector<BYTE> data(needed);
        if (!needed || !QueryActCtxW(0, context, &index, infoClass, data.data(), needed, &needed)) data.clear();
        EXPECT_GE(data.size(), atLeast) << "query " << infoClass;
        data.resize(std::max(data.size(), atLeast));
        return data;
    };
    std::vector<BYTE> data = query(RunlevelInformationInActivationContext, 0, sizeof(ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION));
    auto* run = reinterpret_cast<ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION*>(data.data());
    EXPECT_EQ(run->RunLevel, ACTCTX_RUN_LEVEL_AS_INVOKER);
    EXPECT_EQ(run->UiAccess, 0u);
    bool controls6 = false;
    data = query(ActivationContextDetailedInformation, 0, sizeof(ACTIVATION_CONTEXT_DETAILED_INFORMATION));
    DWORD assemblies = reinterpret_cast<ACTIVATION_CONTEXT_DETAILED_INFORMATION*>(data.data())->ulAssemblyCount;
    for (DWORD i = 1; i <= assemblies; ++i) {
        data = query(AssemblyDetailedInformationInActivationContext, i, sizeof(ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION));
        const wchar_t* id = reinterpret_cast<ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION*>(data.data())->lpAssemblyEncodedAssemblyIdentity;
        std::wstring text = id ? id : L"";
        controls6 |= text.rfind(L"Microsoft.Windows.Common-Controls,", 0) == 0 && text.find(L"version=\"6.") != std::wstring::npos;
    }
    EXPECT_TRUE(controls6);
    ReleaseActCtx(context);
}

}  // namespace
