# zel_require_tool(<variable> <program> <Debian package>): a host program that a test
# of this tree runs. Without it the configure step fails and names the package, so
# that no check drops out of a lane unseen; scripts/install-deps.sh installs them all.
function(zel_require_tool var program package)
  find_program(${var} ${program})
  if(NOT ${var} OR NOT EXISTS "${${var}}")
    message(FATAL_ERROR "${program} not found (${var}=${${var}}): the tests need it. "
      "Install Debian's package ${package}, for example with: bash scripts/install-deps.sh")
  endif()
endfunction()
