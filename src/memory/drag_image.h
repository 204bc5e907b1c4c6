#pragma once
// Which of the five drag images a dragged value shows. The pictures
// themselves are drawn by memory/ui/value_drag.

namespace mezura {

enum class DragImage { Add, Subtract, Plain, Multiply, Divide };

}  // namespace mezura
