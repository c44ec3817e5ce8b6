#pragma once

// A test program linked with the counting allocator (the murkwell_counting_allocator library) has its
// operator new replaced by one that counts: tests that must not allocate compare the count before and after.
namespace murkwell::test {

// Allocations made through operator new since the program started.
long Allocations();

}  // namespace murkwell::test
