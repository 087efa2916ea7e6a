// The vector paths of the pixel filters, for uformFilterWnd.cpp only. Each
// is compiled for its own instruction set (by function attributes, so the
// rest of the program stays runnable on any x86 processor) and must be
// called only when the processor has that set.
#pragma once

#include <cstddef>
#include <cstdint>

#include "service/uformFilterWnd.h"

#if defined(__x86_64__) || defined(__i386__)
#define VXL_PIXEL_FILTERS_X86 1
#else
#define VXL_PIXEL_FILTERS_X86 0
#endif

// The 32-bit Windows system calls window procedures with the stack aligned
// to 4 bytes only, while vector code keeps values on the stack at 16 or 32:
// the entry points realign it. (64-bit Windows keeps 16; Debian's MinGW
// compiler writes 32-byte stack values with unaligned moves.)
#if defined(__i386__)
#define VXL_KERNEL_ENTRY __attribute__((force_align_arg_pointer))
#else
#define VXL_KERNEL_ENTRY
#endif

namespace vxl::detail {

#if VXL_PIXEL_FILTERS_X86
// Filter modes 0..7 (the caller handles any other); out may be in.
void FilterPixelsSse2(const std::uint32_t* in, std::uint32_t* out, std::size_t count,
                      const TFilterSettings& settings);
void FilterPixelsAvx2(const std::uint32_t* in, std::uint32_t* out, std::size_t count,
                      const TFilterSettings& settings);
#endif

}  // namespace vxl::detail
