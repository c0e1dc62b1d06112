# Runs quartus_check.tcl over many projects in one process, so that a board's
# hundreds of projects cost one interpreter start rather than one each:
#
#   tclsh quartus_check_batch.tcl <jobs file>
#
# The jobs file holds quartus_check.tcl's five arguments for each project,
# one per line. Each project runs in an interpreter of its own, so nothing
# one project leaves behind reaches the next; its output follows a line
# "PROJECT<tab><n>" (n counts the projects from 0). A project whose script
# fails ends the run with exit code 1; the caller then runs the projects one
# by one to learn which one and why.

set script [file join [file dirname [file normalize [info script]]] quartus_check.tcl]

set f [open [lindex $argv 0] r]
set lines [split [string trimright [read $f] \n] \n]
close $f
if {[llength $lines] % 5 != 0} {
    puts stderr "jobs file: [llength $lines] lines, not five per project"
    exit 1
}

set n 0
foreach {qsf sdc ports project allowances} $lines {
    puts "PROJECT\t$n"
    set i [interp create]
    set arguments [list $qsf $sdc $ports $project $allowances]
    $i eval [list set argv $arguments]
    $i eval [list set argc [llength $arguments]]
    $i eval [list set argv0 $script]
    if {[catch {$i eval [list source $script]} err]} {
        puts stderr "project $n ($project): $err"
        exit 1
    }
    interp delete $i
    incr n
}
