# Reads a generated .qsf and .sdc the way Quartus does (both files are Tcl)
# and checks them against the ports of the top-level design.
#
#   tclsh quartus_check.tcl <qsf> <sdc> <ports file> <project name> [<allowances>]
#
# The ports file holds one top-level port bit per line (LED[0], CLOCK_50).
# The allowances file, when given, holds lines "NOLOCATION <port or bus>"
# (a port the fitter places: it needs no location and must not be virtual),
# "UNMATCHED <pattern>" (a get_ports pattern that may match no port) and
# "SHARED <location>" (a location that two targets may both be given).
# Every other port bit without a location must be a virtual pin
# (VIRTUAL_PIN ON), and a virtual pin has no location.
# Each file is evaluated command by command in a safe interpreter in which
# every Tcl command is hidden and only the Quartus commands a generated
# project may use are defined; they record their arguments, anything else is
# an error. Output, one tab-separated record per line:
#   PROBLEM      <text>
#   LOCATION     <target> <value>     (every set_location_assignment)
#   IO_STANDARD  <target> <value>     (every IO_STANDARD instance assignment)
#   VIRTUAL      <target>             (every VIRTUAL_PIN ON assignment)
#   VERILOG_FILE <path>               (every VERILOG_FILE global assignment)
# The exit code is 0 whenever the script itself ran.

lassign $argv qsfFile sdcFile portsFile project allowancesFile

proc problem {text} { puts "PROBLEM\t$text" }

# ---------------------------------------------------------------------------
# Ports

set ports [dict create]
set busBases [dict create]
set f [open $portsFile r]
foreach line [split [read $f] \n] {
    set line [string trim $line]
    if {$line eq ""} continue
    dict set ports $line 1
    if {[regexp {^(.*)\[[0-9]+\]$} $line -> base]} {
        dict set busBases $base 1
    }
}
close $f

set noLocation [dict create]
set unmatchedAllowed [dict create]
set sharedLocation [dict create]
if {$allowancesFile ne ""} {
    set f [open $allowancesFile r]
    foreach line [split [read $f] \n] {
        if {[regexp {^NOLOCATION\s+(\S+)$} $line -> name]} { dict set noLocation $name 1 }
        if {[regexp {^UNMATCHED\s+(\S+)$} $line -> name]} { dict set unmatchedAllowed $name 1 }
        if {[regexp {^SHARED\s+(\S+)$} $line -> name]} { dict set sharedLocation $name 1 }
    }
    close $f
}

# Whether a port bit may go without a location: named itself or by its bus.
proc mayLackLocation {port} {
    global noLocation
    if {[dict exists $noLocation $port]} { return 1 }
    return [expr {[regexp {^(.*)\[[0-9]+\]$} $port -> base] && [dict exists $noLocation $base]}]
}

# An assignment target is a port bit or a whole bus. Names holding "~" are
# nodes Quartus creates inside the device (termination blocks), not ports.
proc isTarget {name} {
    global ports busBases
    if {[string first "~" $name] >= 0} { return 1 }
    return [expr {[dict exists $ports $name] || [dict exists $busBases $name]}]
}

# The JTAG pins altera_reserved_* are ports Quartus adds to every design.
proc isReservedPort {name} { return [string match altera_reserved_* $name] }

# ---------------------------------------------------------------------------
# Argument parsing shared by the command stand-ins. known: option -> 1 when it
# takes a value. A word like -0.048 is a number, not an option.

proc parseArgs {cmd known arglist} {
    set options [dict create]
    set positional {}
    for {set k 0} {$k < [llength $arglist]} {incr k} {
        set a [lindex $arglist $k]
        if {[string match -* $a] && ![regexp {^-[0-9.]} $a]} {
            if {![dict exists $known $a]} {
                error "$cmd: unknown option $a"
            }
            if {[dict get $known $a]} {
                incr k
                if {$k >= [llength $arglist]} { error "$cmd: $a needs a value" }
                dict set options $a [lindex $arglist $k]
            } else {
                dict set options $a 1
            }
        } else {
            lappend positional $a
        }
    }
    return [list $options $positional]
}

proc needPositional {cmd positional count} {
    if {[llength $positional] != $count} {
        error "$cmd: expected $count plain argument(s), got \"$positional\""
    }
}

proc needOption {cmd options name} {
    if {![dict exists $options $name]} { error "$cmd: $name is missing" }
    return [dict get $options $name]
}

# ---------------------------------------------------------------------------
# .qsf commands

set globals [dict create]    ;# name -> list of values
set locations {}             ;# {target value} ...
set instance {}              ;# {name target value} ...

set assignmentOptions {-section_id 1 -entity 1 -tag 1 -comment 1 -remove 0 -disable 0}

proc q_set_global_assignment {args} {
    global globals assignmentOptions
    lassign [parseArgs set_global_assignment [dict merge $assignmentOptions {-name 1}] $args] \
        options positional
    needPositional set_global_assignment $positional 1
    dict lappend globals [needOption set_global_assignment $options -name] [lindex $positional 0]
    return ""
}

proc q_set_location_assignment {args} {
    global locations assignmentOptions
    lassign [parseArgs set_location_assignment \
                 [dict merge $assignmentOptions {-to 1 -from 1}] $args] options positional
    needPositional set_location_assignment $positional 1
    set target [needOption set_location_assignment $options -to]
    set value [lindex $positional 0]
    if {![regexp {^PIN_[A-Za-z0-9_]+$} $value]} {
        error "set_location_assignment: \"$value\" is no pin location"
    }
    if {![isTarget $target]} { error "set_location_assignment: $target is not a port" }
    lappend locations [list $target $value]
    return ""
}

proc q_set_instance_assignment {args} {
    global instance assignmentOptions
    lassign [parseArgs set_instance_assignment \
                 [dict merge $assignmentOptions {-name 1 -to 1 -from 1}] $args] options positional
    needPositional set_instance_assignment $positional 1
    set name [needOption set_instance_assignment $options -name]
    set target [needOption set_instance_assignment $options -to]
    global unmatchedAllowed
    if {![isTarget $target] && ![dict exists $unmatchedAllowed $target]} {
        error "set_instance_assignment $name: $target is not a port"
    }
    lappend instance [list $name $target [lindex $positional 0]]
    return ""
}

# ---------------------------------------------------------------------------
# .sdc commands

set clocks [dict create]     ;# clock name -> period text

proc portCollection {value cmd} {
    if {[string match "ports:*" $value]} { return [string range $value 6 end] }
    error "$cmd: target \"$value\" is not a port collection"
}

proc s_get_ports {args} {
    global ports busBases unmatchedAllowed
    lassign [parseArgs get_ports {-nocase 0 -nowarn 0} $args] options positional
    needPositional get_ports $positional 1
    set pattern [lindex $positional 0]
    if {![isReservedPort $pattern] && ![isTarget $pattern]} {
        set matched [expr {[llength [dict keys $ports $pattern]] +
                           [llength [dict keys $busBases $pattern]]}]
        if {$matched == 0 && ![dict exists $unmatchedAllowed $pattern]} {
            error "get_ports: $pattern matches no port"
        }
    }
    return "ports:$pattern"
}

proc s_create_clock {args} {
    global clocks
    lassign [parseArgs create_clock {-name 1 -period 1 -waveform 1 -add 0} $args] \
        options positional
    set period [needOption create_clock $options -period]
    if {![regexp -nocase {^\s*[0-9]*\.?[0-9]+\s*(MHz|ns)?\s*$} $period]} {
        error "create_clock: period \"$period\" is not a frequency or a time"
    }
    needPositional create_clock $positional 1
    set target [lindex $positional 0]
    if {[string match "ports:*" $target]} {
        set target [portCollection $target create_clock]
    } elseif {![isReservedPort $target]} {
        error "create_clock: $target is not a port"
    }
    set name [expr {[dict exists $options -name] ? [dict get $options -name] : $target}]
    if {[dict exists $clocks $name]} { error "create_clock: clock $name defined twice" }
    dict set clocks $name $period
    return ""
}

proc s_delay {cmd args} {
    global clocks
    lassign [parseArgs $cmd {-clock 1 -max 0 -min 0 -rise 0 -fall 0 -clock_fall 0 -add_delay 0
        -reference_pin 1 -source_latency_included 0 -network_latency_included 0} $args] \
        options positional
    set clock [needOption $cmd $options -clock]
    if {![dict exists $clocks $clock]} { error "$cmd: clock $clock is not defined" }
    needPositional $cmd $positional 2
    lassign $positional delay target
    if {![string is double -strict $delay]} { error "$cmd: delay \"$delay\" is not a number" }
    portCollection $target $cmd
    return ""
}

proc s_derive {cmd args} {
    lassign [parseArgs $cmd {-create_base_clocks 0 -use_net_name 0 -add 0 -overwrite 0} $args] \
        options positional
    needPositional $cmd $positional 0
    return ""
}

# ---------------------------------------------------------------------------
# Safe evaluation

# Quartus reads a bus bit such as -to LED[0] as it stands: a bracketed index
# is not run as a command. Its Tcl does that by answering an unknown command
# whose name is a number with the bracketed number; so does this one.
proc q_unknown {args} {
    if {[llength $args] == 1 && [string is integer -strict [lindex $args 0]]} {
        return "\[[lindex $args 0]\]"
    }
    error "invalid command name \"[lindex $args 0]\""
}

proc newInterp {commands} {
    set i [interp create -safe]
    foreach c [$i eval {info commands}] {
        interp hide $i $c
    }
    foreach {name target} $commands {
        interp alias $i $name {} {*}$target
    }
    interp alias $i unknown {} q_unknown
    return $i
}

proc evalFile {label file commands} {
    set f [open $file r]
    fconfigure $f -translation auto
    set text [read $f]
    close $f
    set i [newInterp $commands]
    set cmd ""
    set lineNo 0
    set start 1
    foreach line [split $text \n] {
        incr lineNo
        if {$cmd eq ""} { set start $lineNo }
        append cmd $line \n
        if {[info complete $cmd]} {
            if {[catch {$i eval $cmd} err]} {
                problem "$label line $start: $err"
            }
            set cmd ""
        }
    }
    if {[string trim $cmd] ne ""} { problem "$label line $start: incomplete command" }
    interp delete $i
}

evalFile [file tail $qsfFile] $qsfFile {
    set_global_assignment q_set_global_assignment
    set_location_assignment q_set_location_assignment
    set_instance_assignment q_set_instance_assignment
}

# ---------------------------------------------------------------------------
# .qsf rules

proc single {name} {
    global globals
    if {![dict exists $globals $name]} {
        problem "qsf: $name is missing"
        return ""
    }
    set values [dict get $globals $name]
    if {[llength $values] != 1} { problem "qsf: $name is given [llength $values] times" }
    return [lindex $values 0]
}

single FAMILY
single DEVICE
set top [single TOP_LEVEL_ENTITY]
if {$top ne "" && $top ne $project} {
    problem "qsf: TOP_LEVEL_ENTITY is \"$top\", the project is \"$project\""
}
set sdcName [single SDC_FILE]
if {$sdcName ne "" && $sdcName ne [file tail $sdcFile]} {
    problem "qsf: SDC_FILE names \"$sdcName\", the timing file is [file tail $sdcFile]"
}
# Every file the .qsf names is found as it is written, relative to the
# project folder (names compare with their case, as Quartus on a
# case-sensitive file system finds them).
set projectFolder [file dirname $qsfFile]
foreach kind {SDC_FILE VERILOG_FILE SYSTEMVERILOG_FILE VHDL_FILE QIP_FILE SIP_FILE} {
    if {![dict exists $globals $kind]} continue
    foreach path [dict get $globals $kind] {
        if {![file isfile [file join $projectFolder $path]]} {
            problem "qsf: $kind names \"$path\", which the project folder does not hold"
        }
        if {$kind eq "VERILOG_FILE"} { puts "VERILOG_FILE\t$path" }
    }
}

set locationCount [dict create]
set locationOwner [dict create]
foreach entry $locations {
    lassign $entry target value
    puts "LOCATION\t$target\t$value"
    dict incr locationCount $target
    if {[dict exists $locationOwner $value] && [dict get $locationOwner $value] ne $target
        && ![dict exists $sharedLocation $value]} {
        problem "qsf: location $value is given to [dict get $locationOwner $value] and $target"
    }
    dict set locationOwner $value $target
}
set standardCount [dict create]
set virtual [dict create]
foreach entry $instance {
    lassign $entry name target value
    if {$name eq "IO_STANDARD"} {
        puts "IO_STANDARD\t$target\t$value"
        dict incr standardCount $target
    }
    if {$name eq "VIRTUAL_PIN" && $value eq "ON"} {
        puts "VIRTUAL\t$target"
        dict set virtual $target 1
    }
}
# A port bit has one location and one I/O standard, or it is a virtual pin:
# no location, and an I/O standard only when a pin carries it. A bit the
# fitter places (the allowances) has no location and is not virtual.
proc countOf {counts port} {
    return [expr {[dict exists $counts $port] ? [dict get $counts $port] : 0}]
}
foreach port [dict keys $ports] {
    set locationsOf [countOf $locationCount $port]
    set standardsOf [countOf $standardCount $port]
    if {[dict exists $virtual $port]} {
        if {[mayLackLocation $port]} {
            problem "qsf: port $port is placed by the fitter but made a virtual pin"
        }
        if {$locationsOf != 0} { problem "qsf: virtual pin $port has $locationsOf locations" }
        if {$standardsOf > 1} { problem "qsf: virtual pin $port has $standardsOf I/O standards" }
        continue
    }
    if {$locationsOf == 0 && ![mayLackLocation $port]} {
        problem "qsf: port $port has no location and is no virtual pin"
    } elseif {$locationsOf > 1} {
        problem "qsf: port $port has $locationsOf locations"
    }
    if {$standardsOf != 1} { problem "qsf: port $port has $standardsOf I/O standards" }
}

# ---------------------------------------------------------------------------
# .sdc

evalFile [file tail $sdcFile] $sdcFile {
    create_clock s_create_clock
    get_ports s_get_ports
    derive_pll_clocks {s_derive derive_pll_clocks}
    derive_clock_uncertainty {s_derive derive_clock_uncertainty}
    set_input_delay {s_delay set_input_delay}
    set_output_delay {s_delay set_output_delay}
}
