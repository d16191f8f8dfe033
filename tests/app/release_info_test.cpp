// What Windows reads from larkit.exe's manifest before any of its code runs, parsed by the
// system's own activation-context code (a setting in the wrong namespace is silently ignored).
#include <gtest/gtest.h>

#include "tests/app/peers.h"

TEST(ReleaseInfoTest, ManifestAsksForPixelsRunsAsInvokerAndBringsCommonControls6)
{
    std::wstring exe = BesideProgram(L"larkit.exe");
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
    ACTIVATION_CONTEXT_RUN_LEVEL_INFORMATION run{};
    QueryActCtxW(0, context, nullptr, RunlevelInformationInActivationContext, &run, sizeof run, nullptr);
    EXPECT_EQ(run.RunLevel, ACTCTX_RUN_LEVEL_AS_INVOKER);
    ULONG_PTR cookie = 0;   // the version 6 controls' assembly redirects comctl32.dll
    ACTCTX_SECTION_KEYED_DATA found{};
    found.cbSize = sizeof found;
    ActivateActCtx(context, &cookie);
    EXPECT_TRUE(FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION, L"comctl32.dll", &found));
    DeactivateActCtx(0, cookie);
    ReleaseActCtx(context);
}
