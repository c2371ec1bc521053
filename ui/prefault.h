#pragma once

// Memory that a process has not yet written costs a page fault per page at
// its first write, and a full-screen frame spans some thousands of pages.
// Asking the kernel to map them writable in one call costs far less than
// taking the faults one by one during the frame's first fill.

class QPainter;

namespace arvan {

// Maps in, ready for writing, the pixels that `painter` paints into, where
// they are an image in this process's memory. Their contents are kept. Does
// nothing where the kernel cannot do this (Linux before 5.14).
void prefaultTarget(QPainter& painter);

}  // namespace arvan
