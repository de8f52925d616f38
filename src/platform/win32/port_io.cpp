// The in and out instructions on 32-bit Windows, under a guard. Windows lets a process execute
// them only once a port driver has granted it the port, and 64-bit Windows never does; without
// the grant the processor raises a privileged-instruction fault, which would end the program.
// The guard is a vectored exception handler that recognises a fault of exactly these two
// instructions, steps over the instruction and reports the refusal in ECX, which the routine
// returns. Any other fault goes on to the system as before.
#include "platform/port_io.h"

#include <windows.h>

#include <cerrno>

#if !defined(__i386__)
#error "The guarded port instructions are written for 32-bit x86."
#endif

// cdecl: the address and the value (or the byte's address) on the stack; 0 in EAX when the
// instruction ran, 1 when the handler stepped over it. Both instructions are one byte long.
__asm__(
    ".text\n"
    ".globl _lunda_guarded_out\n"
    "_lunda_guarded_out:\n"
    "  movl 4(%esp), %edx\n"
    "  movl 8(%esp), %eax\n"
    "  xorl %ecx, %ecx\n"
    ".globl _lunda_out_instruction\n"
    "_lunda_out_instruction:\n"
    "  outb %al, %dx\n"
    "  movl %ecx, %eax\n"
    "  ret\n"
    ".globl _lunda_guarded_in\n"
    "_lunda_guarded_in:\n"
    "  movl 4(%esp), %edx\n"
    "  xorl %ecx, %ecx\n"
    ".globl _lunda_in_instruction\n"
    "_lunda_in_instruction:\n"
    "  inb %dx, %al\n"
    "  testl %ecx, %ecx\n"
    "  jnz 1f\n"
    "  movl 8(%esp), %edx\n"
    "  movb %al, (%edx)\n"
    "1:\n"
    "  movl %ecx, %eax\n"
    "  ret\n");

extern "C" {
int lunda_guarded_out(unsigned address, unsigned value);
int lunda_guarded_in(unsigned address, std::uint8_t* value);
extern const char lunda_out_instruction[];
extern const char lunda_in_instruction[];
}

namespace lunda {
namespace {

constexpr DWORD kInstructionLength = 1;  // "out dx, al" is EE, "in al, dx" is EC

LONG CALLBACK StepOverRefusedPortInstruction(EXCEPTION_POINTERS* info) {
  const DWORD code = info->ExceptionRecord->ExceptionCode;
  const void* at = info->ExceptionRecord->ExceptionAddress;
  const bool refused = code == EXCEPTION_PRIV_INSTRUCTION || code == EXCEPTION_ACCESS_VIOLATION;
  if (!refused || (at != lunda_out_instruction && at != lunda_in_instruction)) {
    return EXCEPTION_CONTINUE_SEARCH;
  }
  info->ContextRecord->Eip += kInstructionLength;
  info->ContextRecord->Ecx = 1;
  return EXCEPTION_CONTINUE_EXECUTION;
}

}  // namespace

int RequestPortAccess(std::uint16_t) {
  // Once for the process, first in the chain: the guard must see the fault before anyone else.
  static const PVOID guard = AddVectoredExceptionHandler(1, StepOverRefusedPortInstruction);
  return guard != nullptr ? 0 : ENOMEM;
}

bool OutPortByte(std::uint16_t address, std::uint8_t value) {
  return lunda_guarded_out(address, value) == 0;
}

bool InPortByte(std::uint16_t address, std::uint8_t& value) {
  return lunda_guarded_in(address, &value) == 0;
}

}  // namespace lunda
