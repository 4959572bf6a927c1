# Installation of the web build: the folder a teacher puts on a static host.
