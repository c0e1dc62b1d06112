// The application shell grows here.
