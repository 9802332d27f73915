/* Plays a logoff, as Windows does it, to the top-level windows of one program:
 * WM_QUERYENDSESSION to every one of them, hidden ones included, then WM_ENDSESSION with wParam
 * FALSE (the logoff was cancelled) or, with --end, TRUE (the session ends).
 *
 *   endsession.exe [--end] Dorvane.exe
 *
 * Prints one line per window with its answer to the query. Exit status: 0 when the messages
 * reached at least one window, 1 when the program has no window, 2 on bad arguments. */
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <stdio.h>
#include <wchar.h>

#define MAX_WINDOWS 64

struct found {
    const wchar_t *image;
    HWND windows[MAX_WINDOWS];
    int count;
};

static int is_program(DWORD pid, const wchar_t *image)
{
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    if (!process)
        return 0;
    wchar_t path[MAX_PATH];
    DWORD size = MAX_PATH;
    int same = 0;
    if (QueryFullProcessImageNameW(process, 0, path, &size)) {
        const wchar_t *name = wcsrchr(path, L'\\');
        same = _wcsicmp(name ? name + 1 : path, image) == 0;
    }
    CloseHandle(process);
    return same;
}

static BOOL CALLBACK collect(HWND window, LPARAM data)
{
    struct found *found = (struct found *)data;
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (found->count < MAX_WINDOWS && is_program(pid, found->image))
        found->windows[found->count++] = window;
    return TRUE;
}

int wmain(int argc, wchar_t **argv)
{
    const BOOL ends = argc == 3 && wcscmp(argv[1], L"--end") == 0;
    if (argc != 2 && !ends) {
        fwprintf(stderr, L"usage: endsession.exe [--end] PROGRAM.exe\n");
        return 2;
    }
    struct found found = {argv[argc - 1], {0}, 0};
    EnumWindows(collect, (LPARAM)&found);
    if (found.count == 0) {
        wprintf(L"no top-level window of %ls\n", found.image);
        return 1;
    }

    for (int i = 0; i < found.count; ++i) {
        DWORD_PTR answer = 0;
        wchar_t title[128] = L"";
        GetWindowTextW(found.windows[i], title, 128);
        LRESULT sent = SendMessageTimeoutW(found.windows[i], WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF,
                                           SMTO_ABORTIFHUNG, 5000, &answer);
        wprintf(L"WM_QUERYENDSESSION to \"%ls\": %ls\n", title,
                !sent ? L"no answer" : answer ? L"may end" : L"refuses");
    }
    /* Windows tells every window that was asked whether the session ends after all. */
    for (int i = 0; i < found.count; ++i) {
        DWORD_PTR ignored;
        SendMessageTimeoutW(found.windows[i], WM_ENDSESSION, ends, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 5000,
                            &ignored);
    }
    wprintf(L"WM_ENDSESSION (%ls) to %d window(s)\n", ends ? L"TRUE" : L"FALSE", found.count);
    return 0;
}
