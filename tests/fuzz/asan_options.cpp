// What AddressSanitizer keeps in a libFuzzer program that runs for hours.
//
// For every allocation it keeps the stack that made it, each stack once, and never forgets one. Debian's Qt is built
// without frame pointers, so the quick walk up the stack finds behind QArrayData::allocate (where nearly every string
// and list of ours is allocated) what lies on the stack there, heap addresses among it: nearly every allocation made a
// stack never seen before, and a class list's year grew the process by about 0.7 MB per input, until libFuzzer's 2 GB
// limit ended the run. Two frames, the allocation and its caller, are all that is true of those stacks; a crash's own
// stack is still walked whole. Replaying a crash with ASAN_OPTIONS=malloc_context_size=30:fast_unwind_on_malloc=0
// (ASAN_OPTIONS wins over this file) shows where its memory was allocated and freed, whole, only more slowly.

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
extern "C" const char* __asan_default_options()
{
    return "malloc_context_size=2";
}
#endif
#endif
