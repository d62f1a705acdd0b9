// The floor under an import's time: sends <count> WM_COPYDATA messages of one record's size to
// the receiver window and prints how long that took, so scripts/bench-wine can set the import's
// time beside the cost of the messages alone.
//
//   vk_link_bench <count> [<bytes>]     (bytes 13320 by default)
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <vector>

namespace {

const wchar_t kReceiverTitle[] = L"2815DA81-AD05-4739-A2AA-3929B1E3CF56";

}  // namespace

int wmain(int argc, wchar_t** argv) {
  long count = argc > 1 ? std::wcstol(argv[1], nullptr, 10) : 0;
  long bytes = argc > 2 ? std::wcstol(argv[2], nullptr, 10) : 13320;
  if (count <= 0 || bytes <= 0) {
    std::fprintf(stderr, "usage: vk_link_bench <count> [<bytes>]\n");
    return 2;
  }
  HWND receiver = nullptr;
  for (int waited = 0; waited < 30000 && !receiver; waited += 50) {
    receiver = FindWindowW(nullptr, kReceiverTitle);
    if (!receiver) Sleep(50);
  }
  if (!receiver) {
    std::fprintf(stderr, "receiver window not found\n");
    return 1;
  }
  // Zero bytes: the receiver may log what it gets, but it must not take this for an import.
  std::vector<char> record(static_cast<size_t>(bytes), 0);
  COPYDATASTRUCT data{};
  data.dwData = 0;
  data.cbData = static_cast<DWORD>(record.size());
  data.lpData = record.data();
  LARGE_INTEGER frequency{}, start{}, end{};
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  long sent = 0;
  for (; sent < count; ++sent) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(receiver, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_NORMAL, 10000, &result))
      break;
  }
  QueryPerformanceCounter(&end);
  double ms = 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
  std::printf("sent %ld of %ld messages of %ld bytes in %.1f ms\n", sent, count, bytes, ms);
  return sent == count ? 0 : 1;
}
