/*
 * Preloaded into the 32-bit Wine processes of the 32-bit test lane.
 *
 * QEMU's user-mode emulator hands every fault to the guest with the trap number
 * in the signal context set to -1. Wine's i386 signal handlers decide from that
 * number what happened, so an access violation becomes an illegal instruction,
 * guard pages never fire and programs that catch a bad pointer crash. This
 * library wraps sigaction() for the fault signals and, before the real handler
 * runs, puts back the trap number the Linux kernel would have given.
 *
 * Freestanding on purpose: it builds with gcc -m32 without 32-bit libc headers.
 */
typedef unsigned int u32;

struct siginfo_head {
  int signo, err, code;
};

/* glibc's i386 struct sigaction */
struct k_sigaction {
  void *handler;
  unsigned long mask[32];
  int flags;
  void (*restorer)(void);
};

enum { SA_SIGINFO = 4, MAX_SIGNAL = 64 };
enum { SIG_ILL = 4, SIG_TRAP = 5, SIG_BUS = 7, SIG_FPE = 8, SIG_SEGV = 11 };
/* i386 ucontext_t: flags, link, stack (3 words), then gregs; REG_TRAPNO is gregs[12] */
enum { GREGS_OFFSET = 20, REG_TRAPNO = 12, LAST_VECTOR = 31 };

#define RTLD_NEXT ((void *)-1l)
extern void *dlsym(void *, const char *);

typedef int (*sigaction_fn)(int, const struct k_sigaction *, struct k_sigaction *);
typedef void (*handler_fn)(int, struct siginfo_head *, void *);

static sigaction_fn real_sigaction;
static handler_fn volatile handlers[MAX_SIGNAL + 1];

static u32 kernel_trap_number(int sig, int code) {
  switch (sig) {
  case SIG_SEGV: /* SEGV_MAPERR and SEGV_ACCERR come from page faults, the rest from #GP */
    return (code == 1 || code == 2) ? 14 : 13;
  case SIG_BUS: return 12;
  case SIG_ILL: return 6;
  case SIG_FPE: /* FPE_INTDIV: #DE, FPE_INTOVF: #OF, else the x87 error */
    return code == 1 ? 0 : code == 2 ? 4 : 16;
  default: /* SIGTRAP: SI_KERNEL is int3, otherwise a single step */
    return code == 0x80 ? 3 : 1;
  }
}

static void fixing_handler(int sig, struct siginfo_head *info, void *context) {
  if (info && context) {
    u32 *trapno = (u32 *)((char *)context + GREGS_OFFSET) + REG_TRAPNO;
    if (*trapno > LAST_VECTOR) *trapno = kernel_trap_number(sig, info->code);
  }
  handler_fn handler = handlers[sig];
  if (handler) handler(sig, info, context);
}

static int is_fault_signal(int sig) {
  return sig == SIG_ILL || sig == SIG_TRAP || sig == SIG_BUS || sig == SIG_FPE || sig == SIG_SEGV;
}

int sigaction(int sig, const struct k_sigaction *act, struct k_sigaction *old) {
  if (!real_sigaction) real_sigaction = (sigaction_fn)dlsym(RTLD_NEXT, "sigaction");
  if (!is_fault_signal(sig)) return real_sigaction(sig, act, old);

  handler_fn previous = handlers[sig];
  struct k_sigaction wrapped;
  const struct k_sigaction *installed = act;
  int wraps = act && (act->flags & SA_SIGINFO) && (unsigned long)act->handler > 1;
  if (wraps) {
    wrapped = *act;
    wrapped.handler = (void *)fixing_handler;
    installed = &wrapped;
    handlers[sig] = (handler_fn)act->handler; /* set before the wrapper can run */
  }
  int result = real_sigaction(sig, installed, old);
  if (result != 0) {
    handlers[sig] = previous;
    return result;
  }
  if (old && old->handler == (void *)fixing_handler) old->handler = (void *)previous;
  if (act && !wraps) handlers[sig] = 0;
  return result;
}
