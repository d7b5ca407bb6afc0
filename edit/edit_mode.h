#pragma once

namespace selvika {

// The four editing modes of the window's option buttons; keys act only in
// note mode, the mouse marks spans in the other three.
enum class DüzenModu { nota, kresendo, hece, dolap };

}  // namespace selvika
